#include "tests/unit/support/TestWorkspace.h"

#include <fstream>
#include <random>
#include <sstream>

#include "engine/ContestState.h"

void TestWorkspace::SetUp()
{
    namespace fs = std::filesystem;
    previousDirectory_ = fs::current_path();
    directory_ = fs::temp_directory_path() / ("stats-test-" + std::to_string(std::random_device{}()));
    fs::create_directories(directory_ / "Plugins");
    fs::current_path(directory_);
    Contest() = ContestState();
    InstallWindowSide(&windows);
}

void TestWorkspace::TearDown()
{
    InstallWindowSide(nullptr);
    std::filesystem::current_path(previousDirectory_);
    std::filesystem::remove_all(directory_);
}

std::string TestWorkspace::ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void TestWorkspace::WriteFile(const std::string& name, const std::string& content)
{
    std::ofstream(name, std::ios::binary) << content;
}
