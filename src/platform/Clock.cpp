#include "platform/Clock.h"

namespace zv::platform {

namespace {
std::function<QDateTime()>& source()
{
    static std::function<QDateTime()> s;
    return s;
}
} // namespace

QDateTime Clock::now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

void Clock::set(std::function<QDateTime()> s)
{
    source() = std::move(s);
}

} // namespace zv::platform
