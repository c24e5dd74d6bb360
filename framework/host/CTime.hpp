#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"

#include <cstdint>

namespace Corvane { namespace Host {

/**
 * A calendar time broken into fields in the local time zone. Absolute times
 * are seconds since 1 January 1970 00:00:00 UTC; fractions of a second are
 * dropped, so milliseconds always read 0.
 */
class CTime : public Basics::CCountedObject {
public:
    /** "Sunday" ... "Saturday", indexed by the day of the week. */
    static const char* const CTIME_DAY_OF_THE_WEEK[7];
    /** "January" ... "December", indexed by month - 1. */
    static const char* const CTIME_MONTH_OF_THE_YEAR[12];

    /** The current time. */
    CTime();
    explicit CTime(double absoluteTime);
    CTime(const CTime& other);
    CTime& operator=(const CTime& other);
    ~CTime() override;

    void setTime(double absoluteTime);
    void setToCurrentTime();

    /** Seconds since 1 January 1970 00:00:00 UTC, now. */
    static double getCurrentAbsoluteTime();

    /** Day first: "05/03/2009"; the long form: "Thursday 5 March 2009". */
    Basics::CString getDayYearString(bool longForm) const;
    /** "hh:mm:ss:ms". */
    Basics::CString getTimeOnly() const;

    uint16_t getYear() const { return m_year; }
    /** 1 ... 12. */
    uint16_t getMonth() const { return m_month; }
    /** 0 = Sunday ... 6 = Saturday. */
    uint16_t getDayOfWeek() const { return m_dayOfWeek; }
    uint16_t getDayOfMonth() const { return m_dayOfMonth; }
    uint16_t getHour() const { return m_hour; }
    uint16_t getMinute() const { return m_minute; }
    uint16_t getSecond() const { return m_second; }
    uint16_t getMilliseconds() const { return m_milliseconds; }

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    uint16_t m_year;
    uint16_t m_month;
    uint16_t m_dayOfWeek;
    uint16_t m_dayOfMonth;
    uint16_t m_hour;
    uint16_t m_minute;
    uint16_t m_second;
    uint16_t m_milliseconds;
};

}}  // namespace Corvane::Host
