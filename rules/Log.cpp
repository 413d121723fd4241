#include "Log.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace {
std::mutex& sinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

Log::Sink& currentSink()
{
    static Log::Sink sink;
    return sink;
}
}

void Log::write(const std::string& line)
{
    std::lock_guard<std::mutex> guard(sinkMutex());
    if (currentSink()) {
        currentSink()(line);
    } else {
        std::fprintf(stderr, "hoshi: %s\n", line.c_str());
    }
}

Log::Sink Log::setSink(Sink sink)
{
    std::lock_guard<std::mutex> guard(sinkMutex());
    return std::exchange(currentSink(), std::move(sink));
}
