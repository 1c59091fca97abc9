#pragma once
#include <QDateTime>
#include <functional>

namespace zv::platform {

// The present moment as the program sees it. Tests replace it to walk a day
// or a session's validity without waiting.
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }

    // Replaces the clock until reset(); an empty function restores the real one.
    static void set(std::function<QDateTime()> source);
    static void reset() { set({}); }
};

} // namespace zv::platform
