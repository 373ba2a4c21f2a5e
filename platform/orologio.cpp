#include "platform/orologio.h"

#include <chrono>
#include <ctime>

double OrologioReale::Adesso() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

namespace orologio {

float SecondiDaMezzanotte() {
    using namespace std::chrono;
    const auto adesso = system_clock::now();
    const std::time_t t = system_clock::to_time_t(adesso);
    std::tm locale{};
    localtime_r(&t, &locale);
    const double frazione = duration<double>(adesso - system_clock::from_time_t(t)).count();
    return static_cast<float>(locale.tm_hour * 3600 + locale.tm_min * 60 + locale.tm_sec +
                              frazione);
}

} // namespace orologio
