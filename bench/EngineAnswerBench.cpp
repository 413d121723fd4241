#include "engine/GTPAnswer.h"
#include "engine/GTPAnswerFramer.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A game's worth of output: empty answers around each move, some passes and failures.
std::string engineOutput(int answers)
{
    const char* samples[] = {"= \n\n", "= \n\n", "= D4\n\n", "= PASS\n\n", "= \r\n\r\n", "? illegal move\n\n",
                             "= j9\n\n", "=7 resign\n\n"};
    std::string output;
    for (int i = 0; i < answers; ++i) {
        output += samples[i % std::size(samples)];
    }
    return output;
}

void AnswersFramedAndParsed(benchmark::State& state)
{
    const int answers = static_cast<int>(state.range(0));
    const std::string output = engineOutput(answers);
    const std::size_t chunk = static_cast<std::size_t>(state.range(1));
    std::size_t moves = 0;
    for (auto _ : state) {
        GTPAnswerFramer framer;
        for (std::size_t at = 0; at < output.size(); at += chunk) {
            for (const auto& answer : framer.append(std::string_view(output).substr(at, chunk))) {
                moves += GTPAnswer::parse(answer, 9).point().has_value();
            }
        }
    }
    benchmark::DoNotOptimize(moves);
    state.SetItemsProcessed(state.iterations() * answers);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(output.size()));
}

}

// Whole reads of 4 KiB, and a pathological byte-at-a-time stream.
BENCHMARK(AnswersFramedAndParsed)->Args({1000, 4096})->Args({1000, 1});
