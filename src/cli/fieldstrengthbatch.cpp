#include "cli/fieldstrengthbatch.h"

#include "cli/clinumbers.h"
#include "cli/fieldstrengthinput.h"

#include <istream>
#include <ostream>
#include <string>

long RunFieldStrengthBatch(std::istream &in, std::ostream &out)
{
    // Output is collected and written in large pieces: a batch of 100 000 lines
    // must not cost a write per line.
    constexpr std::size_t FlushSize = 1 << 16;
    std::string buffer;
    buffer.reserve(FlushSize + 256);
    std::string line;
    std::string error;
    FieldStrengthInput input;
    long lineNumber = 0;
    long malformed = 0;

    while (std::getline(in, line)) {
        ++lineNumber;
        if (ParseBatchLine(line, input, error)) {
            const FieldStrengthAnswer answer = Evaluate(input);
            AppendExactNumber(buffer, answer.e);
            buffer += ' ';
            buffer += static_cast<char>('0' + answer.verdict);
            buffer += ' ';
            buffer += static_cast<char>('0' + answer.summaryClass);
        } else {
            ++malformed;
            buffer += "error: line ";
            buffer += std::to_string(lineNumber);
            buffer += ": ";
            buffer += error;
        }
        buffer += '\n';
        if (buffer.size() >= FlushSize) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    return malformed;
}
