#include "host/CTime.hpp"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace Corvane { namespace Host {

CVN_IMPLEMENT_CLASS(CTime, "CCountedObject")

const char* const CTime::CTIME_DAY_OF_THE_WEEK[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};

const char* const CTime::CTIME_MONTH_OF_THE_YEAR[12] = {"January",   "February", "March",    "April",
                                                        "May",       "June",     "July",     "August",
                                                        "September", "October",  "November", "December"};

CTime::CTime()
    : m_year(0),
      m_month(1),
      m_dayOfWeek(0),
      m_dayOfMonth(1),
      m_hour(0),
      m_minute(0),
      m_second(0),
      m_milliseconds(0)
{
    CVN_CONSTRUCT_CLASS;
    setToCurrentTime();
}

CTime::CTime(double absoluteTime)
    : m_year(0),
      m_month(1),
      m_dayOfWeek(0),
      m_dayOfMonth(1),
      m_hour(0),
      m_minute(0),
      m_second(0),
      m_milliseconds(0)
{
    CVN_CONSTRUCT_CLASS;
    setTime(absoluteTime);
}

CTime::CTime(const CTime& other)
    : Basics::CCountedObject(),
      m_year(other.m_year),
      m_month(other.m_month),
      m_dayOfWeek(other.m_dayOfWeek),
      m_dayOfMonth(other.m_dayOfMonth),
      m_hour(other.m_hour),
      m_minute(other.m_minute),
      m_second(other.m_second),
      m_milliseconds(other.m_milliseconds)
{
    CVN_CONSTRUCT_CLASS;
}

CTime& CTime::operator=(const CTime& other)
{
    m_year = other.m_year;
    m_month = other.m_month;
    m_dayOfWeek = other.m_dayOfWeek;
    m_dayOfMonth = other.m_dayOfMonth;
    m_hour = other.m_hour;
    m_minute = other.m_minute;
    m_second = other.m_second;
    m_milliseconds = other.m_milliseconds;
    return *this;
}

CTime::~CTime()
{
    CVN_DESTRUCT_CLASS;
}

void CTime::setTime(double absoluteTime)
{
    // Beyond about 30 million years either way the calendar fields cannot hold the result.
    if (!std::isfinite(absoluteTime) || std::fabs(absoluteTime) > 1.0e15) {
        return;
    }
    // Whole seconds, rounding toward the past so times before 1970 land on the right second.
    const std::time_t seconds = static_cast<std::time_t>(std::floor(absoluteTime));
    std::tm fields{};
    if (localtime_r(&seconds, &fields) == nullptr) {
        return;
    }
    m_year = static_cast<uint16_t>(fields.tm_year + 1900);
    m_month = static_cast<uint16_t>(fields.tm_mon + 1);
    m_dayOfWeek = static_cast<uint16_t>(fields.tm_wday);
    m_dayOfMonth = static_cast<uint16_t>(fields.tm_mday);
    m_hour = static_cast<uint16_t>(fields.tm_hour);
    m_minute = static_cast<uint16_t>(fields.tm_min);
    m_second = static_cast<uint16_t>(fields.tm_sec);
    m_milliseconds = 0;
}

void CTime::setToCurrentTime()
{
    setTime(getCurrentAbsoluteTime());
}

double CTime::getCurrentAbsoluteTime()
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceEpoch).count();
}

Basics::CString CTime::getDayYearString(bool longForm) const
{
    Basics::CString text;
    if (longForm) {
        const char* dayName = m_dayOfWeek < 7 ? CTIME_DAY_OF_THE_WEEK[m_dayOfWeek] : "";
        const char* monthName = m_month >= 1 && m_month <= 12 ? CTIME_MONTH_OF_THE_YEAR[m_month - 1] : "";
        text.setStringWithFormat("%s %d %s %d", dayName, m_dayOfMonth, monthName, m_year);
    } else {
        text.setStringWithFormat("%.02d/%.02d/%.04d", m_dayOfMonth, m_month, m_year);
    }
    return text;
}

Basics::CString CTime::getTimeOnly() const
{
    Basics::CString text;
    text.setStringWithFormat("%.02d:%.02d:%.02d:%.02d", m_hour, m_minute, m_second, m_milliseconds);
    return text;
}

void CTime::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "%.02d:%.02d:%.02d:%.02d", m_hour, m_minute, m_second,
                      m_milliseconds);
    }
}

}}  // namespace Corvane::Host
