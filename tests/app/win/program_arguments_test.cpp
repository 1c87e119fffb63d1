#include "app/win/program_arguments.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace vorlan::app {
namespace {

std::wstring WorkingDirectory() {
  wchar_t buffer[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, buffer);
  return buffer;
}

TEST(ProgramArguments, TheProgramFolderOptionMakesTheProgramsFolderTheWorkingDirectory) {
  const std::wstring before = WorkingDirectory();
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  ASSERT_TRUE(SetCurrentDirectoryW(temp));
  const std::wstring started_in = WorkingDirectory();

  ApplyProgramFolderOption({u"--skin", u"--work-in-program-folder"});
  EXPECT_EQ(WorkingDirectory(), started_in) << "a skin's value is no option";

  ApplyProgramFolderOption({u"--work-in-program-folder"});
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring folder = program;
  folder.resize(folder.find_last_of(L'\\'));
  EXPECT_EQ(WorkingDirectory(), folder);
  EXPECT_NE(folder, started_in);
  SetCurrentDirectoryW(before.c_str());
}

}  // namespace
}  // namespace vorlan::app
