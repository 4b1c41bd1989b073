// Runs the staged vlmcli program itself: exit codes and the batch through real
// standard input and output.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace
{

namespace fs = std::filesystem;

class VlmcliProgram : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("vlmcli-test-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs vlmcli with the arguments (shell words) and the given standard input;
    // returns the exit code and keeps standard output in m_out.
    int Run(const std::string &args, const std::string &input = {})
    {
        const fs::path in = m_dir / "in.txt";
        const fs::path out = m_dir / "out.txt";
        std::ofstream(in, std::ios::binary) << input;
        const std::string command = std::string("'") + VLM_PROGRAM_DIR + "/vlmcli' " + args +
                                    " < '" + in.string() + "' > '" + out.string() +
                                    "' 2> /dev/null";
        const int status = std::system(command.c_str());
        std::ostringstream text;
        text << std::ifstream(out, std::ios::binary).rdbuf();
        m_out = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path m_dir;
    std::string m_out;
};

TEST_F(VlmcliProgram, ExitCodes)
{
    const struct {
        const char *args;
        int code;
    } rows[] = {
        {"--help", 0},
        {"field-strength --help", 0},
        {"", 2},
        {"frob", 2},
        {"field-strength --freq 145", 2},
        {"field-strength --pattern 0,0,0,0,0,0,0,0,0,0 --freq 145 --tilt 0 --distance 8 "
         "--point-height 1.5 --power 20 --antenna-height 10",
         0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Run(row.args), row.code) << row.args;
}

TEST_F(VlmcliProgram, BatchThroughStandardStreams)
{
    const std::string good = "8 6 2 -3 -10 -20 -25 -25 -30 -30 0 145 0 8 1.5 20 10\n";
    EXPECT_EQ(Run("field-strength --batch", good + good), 0);
    EXPECT_EQ(m_out, "0.67981754977444286 4 1\n0.67981754977444286 4 1\n");

    EXPECT_EQ(Run("field-strength --batch", good + "x\n" + good), 1);
    EXPECT_EQ(m_out, "0.67981754977444286 4 1\n"
                     "error: line 2: expected 17 numbers (G0 ... G9 N f t d hp Pd ha), found 1\n"
                     "0.67981754977444286 4 1\n");
}

} // namespace
