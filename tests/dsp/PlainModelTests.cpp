#include "model/PlainModel.hpp"

#include <gtest/gtest.h>
