// The randomized model check: runs random sessions through the real panel
// logic and the reference model in lockstep and stops at the first
// difference, printing the session so that it can be replayed.
//
//   model_check [--sequences N] [--seed S] [--first I] [--max-steps M]
//
// KELVARIN_MODEL_SEQUENCES and KELVARIN_MODEL_SEED set the defaults of
// --sequences and --seed. Sequence I of seed S is the same on every run, so
// `--seed S --first I --sequences 1` replays a reported failure.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "RandomSequences.h"

namespace {

struct Options {
    uint64_t sequences = 100000;
    uint64_t seed = 1;
    uint64_t first = 0;
    uint64_t maxSteps = 20;
};

bool ParseNumber(const char* text, uint64_t* value) {
    char* end = nullptr;
    *value = std::strtoull(text, &end, 0);
    return end != text && *end == '\0';
}

bool ParseOptions(int argc, char** argv, Options* options) {
    uint64_t value = 0;
    if (const char* env = std::getenv("KELVARIN_MODEL_SEQUENCES"); env && ParseNumber(env, &value))
        options->sequences = value;
    if (const char* env = std::getenv("KELVARIN_MODEL_SEED"); env && ParseNumber(env, &value))
        options->seed = value;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!ParseNumber(argv[i + 1], &value))
            return false;
        if (std::strcmp(argv[i], "--sequences") == 0)
            options->sequences = value;
        else if (std::strcmp(argv[i], "--seed") == 0)
            options->seed = value;
        else if (std::strcmp(argv[i], "--first") == 0)
            options->first = value;
        else if (std::strcmp(argv[i], "--max-steps") == 0 && value > 0)
            options->maxSteps = value;
        else
            return false;
    }
    return argc % 2 == 1;
}

void Report(const Options& options, uint64_t index, const Sequence& sequence, size_t failedStep,
            const std::string& difference) {
    std::printf("MISMATCH in sequence %llu of seed %llu at step %zu: %s\n",
                static_cast<unsigned long long>(index),
                static_cast<unsigned long long>(options.seed), failedStep, difference.c_str());
    std::printf("  port: %s\n", Describe(sequence.scenario).c_str());
    for (size_t step = 1; step <= failedStep; ++step)
        std::printf("  %zu. %s\n", step, Describe(sequence.actions[step - 1]).c_str());
    std::printf("replay: model_check --seed %llu --first %llu --sequences 1\n",
                static_cast<unsigned long long>(options.seed),
                static_cast<unsigned long long>(index));
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fprintf(stderr, "usage: %s [--sequences N] [--seed S] [--first I] [--max-steps M]\n",
                     argv[0]);
        return 2;
    }

    uint64_t steps = 0, accesses = 0, messages = 0;
    for (uint64_t index = options.first; index < options.first + options.sequences; ++index) {
        const Sequence sequence = RandomSequence(options.seed, index, options.maxSteps);
        Lockstep lockstep(sequence.scenario);
        std::string difference = lockstep.Open();
        size_t step = 0;
        while (difference.empty() && step < sequence.actions.size())
            difference = lockstep.Apply(sequence.actions[step++]);
        if (!difference.empty()) {
            Report(options, index, sequence, step, difference);
            return 1;
        }
        steps += step;
        accesses += lockstep.AccessesCompared();
        messages += lockstep.MessagesCompared();
    }
    std::printf("model check: %llu sequences, %llu steps, %llu port accesses and %llu message "
                "boxes compared, 0 mismatches (seed %llu)\n",
                static_cast<unsigned long long>(options.sequences),
                static_cast<unsigned long long>(steps), static_cast<unsigned long long>(accesses),
                static_cast<unsigned long long>(messages),
                static_cast<unsigned long long>(options.seed));
    return 0;
}
