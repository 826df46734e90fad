#include "vqevent.h"
#include "vqframe.h"
#include "vqheadless.h"
#include "vqplatform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

void say_cleanup_one() { std::fprintf(stderr, "cleanup one;"); }
void say_cleanup_two() { std::fprintf(stderr, "cleanup two;"); }

// An application that only opens a window and returns; the user closes it
// after three seconds.
int g_window = 0;
void close_window_proc(void*, const vqplatform_msg* msg) {
  if (msg->kind != VQMSG_CLOSE) return;
  vqplatform_window_destroy(msg->window);
  vqframe_window_closed();
  std::fprintf(stderr, "closed at %llu;", static_cast<unsigned long long>(vqheadless_now()));
  vqquit();
}
void open_and_return() {
  vqatexit(say_cleanup_one);
  g_window = vqplatform_window_create("only", 0, 0, 50, 50, 0, close_window_proc, nullptr);
  vqframe_window_opened();
  vqheadless_set_idle_hook(
      [](void*) {
        if (vqheadless_now() >= 3000 && vqheadless_pending_messages() == 0) vqheadless_close_request(g_window);
      },
      nullptr);
}

void run_app(void (*app)()) {
  static char name[] = "prog";
  static char* argv[] = {name, nullptr};
  vqframe_run(1, argv, app);
}

TEST(StartStop, MainThatOnlyOpensAWindowRunsUntilItIsClosed) {
  EXPECT_EXIT(
      {
        run_app(open_and_return);
        std::exit(3);   // the close quits the process before the entry returns
      },
      testing::ExitedWithCode(0), "closed at 3[0-9][0-9][0-9];cleanup one;");
}

void quit_at_once() {
  vqatexit(say_cleanup_one);
  vqatexit(say_cleanup_two);
  vqquit();
  std::fprintf(stderr, "still here;");
}

TEST(StartStop, QuitBeforeAnyLoopEndsTheProcessWithCodeZeroAfterTheCleanupList) {
  EXPECT_EXIT(
      {
        run_app(quit_at_once);
        std::exit(5);
      },
      testing::ExitedWithCode(0), "^cleanup one;cleanup two;$");
}

TEST(StartStop, WaitEventAfterQuitReturnsZeroAtOnce) {
  EXPECT_EXIT(
      {
        vqplatform_start();
        vqpostevent(12);
        vqpollevent();   // the application runs its own loop now
        vqquit();
        vqpostevent(13);
        uint64_t before = vqheadless_now();
        int code = vqwaitevent();
        bool instant = vqheadless_now() == before;
        std::exit(code == 0 && instant && !vqrunning() ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST(StartStop, ExitRunsCleanupAndEndsWithTheGivenCode) {
  EXPECT_EXIT(
      {
        vqatexit(say_cleanup_two);
        vqexit(7);
      },
      testing::ExitedWithCode(7), "cleanup two;");
}

TEST(StartStop, OrderlyExitDeletesTemporaryFiles) {
  char name[] = "/tmp/vqframe-test-XXXXXX";
  int fd = mkstemp(name);
  ASSERT_GE(fd, 0);
  // In a child: the orderly exit clears the running flag for good.
  EXPECT_EXIT(
      {
        FILE* file = fdopen(fd, "w");
        std::fputs("scratch", file);
        vqframe_tempfile_add(name, file);
        vqframe_orderly_exit(0);
        std::exit(vqrunning() ? 1 : 0);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_NE(access(name, F_OK), 0);
}

TEST(StartStop, ProgramFolderIsTheFolderOfTheRunningFile) {
  char* argv[] = {const_cast<char*>("prog"), nullptr};
  vqinit(1, argv);
  char path[4096];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  ASSERT_GT(n, 0);
  path[n] = 0;
  std::string expected(path);
  expected.resize(expected.rfind('/'));
  EXPECT_EQ(std::string(vqprogramfolder()), expected.substr(0, 299));
  EXPECT_EQ(vqframe_argc(), 1);
}

struct refresh_log {
  int count = 0;
};
int note_refresh(void* object, int command, int, int, int, int, int, int, int, int) {
  if (command == VQCMD_FIRSTREFRESH) static_cast<refresh_log*>(object)->count++;
  return 0;
}

TEST(StartStop, DeferredFirstRefreshComesOnceWhenTheFirstLoopRuns) {
  EXPECT_EXIT(
      {
        vqplatform_start();
        refresh_log log;
        vqframe_defer_first_refresh(note_refresh, &log);
        bool quiet_before = log.count == 0 && !vqframe_started();
        vqpollevent();
        vqpollevent();
        std::exit(quiet_before && log.count == 1 && vqframe_started() ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
