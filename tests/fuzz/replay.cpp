// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a fuzz target once on every file in the folders named on the command line, where
// libFuzzer is not at hand (the browser build). A fault in the target stops the run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto &entry : std::filesystem::recursive_directory_iterator(argv[i])) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                                   bytes.size());
            ++inputs;
        }
    }
    std::printf("%d inputs, no fault\n", inputs);
    return inputs > 0 ? 0 : 1;
}
