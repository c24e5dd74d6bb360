#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace MathTools {

/** A size in pixels. */
class CDimension : public Basics::CCountedObject {
public:
    CDimension(long width = 0, long height = 0);
    CDimension(const CDimension& other);
    ~CDimension() override;

    CDimension& operator=(const CDimension& other);
    bool operator==(const CDimension& other) const;
    bool operator!=(const CDimension& other) const { return !(*this == other); }

    void setDimension(long width, long height);
    void setDimension(const CDimension& other);
    void setWidth(long width) { m_width = width; }
    void setHeight(long height) { m_height = height; }
    long getWidth() const { return m_width; }
    long getHeight() const { return m_height; }

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    long m_width;
    long m_height;
};

}}  // namespace Corvane::MathTools
