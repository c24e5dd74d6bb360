// What the stand-in effect's editor shows and does, shared by it and its tests.
#pragma once

namespace FakeEditor {

constexpr int WIDTH = 200;
constexpr int HEIGHT = 120;
constexpr unsigned long COLOUR = 0x2A7FD4;  // a 24-bit true-colour pixel is its RGB
// A left click raises this parameter by STEP and sends it as automation.
constexpr int AUTOMATED = 1;
constexpr float STEP = 0.05f;

}  // namespace FakeEditor
