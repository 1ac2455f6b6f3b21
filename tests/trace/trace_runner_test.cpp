#include "tools/trace/trace_runner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct TraceRun {
  int status;
  std::string out, err;
};

TraceRun trace(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = runTrace(in, out, err);
  return {status, out.str(), err.str()};
}

TEST(TraceRunner, ScriptErrorsStopTheRunNamingTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"load\n", "line 1: a random draw found no value queued"},
      {"# comment\n\nfly\n", "line 3: unknown command fly"},
      {"random 0.5 1.0\n", "line 1: not a number in [0, 1): 1.0"},
      {"random abc\n", "line 1: not a number in [0, 1): abc"},
      {"state score 40000\n", "line 1: not a 16-bit whole number: 40000"},
      {"state speed 1\n", "line 1: no state variable named speed"},
      {"tick Space\n", "line 1: no key named Space"},
      {"set level 3\n", "line 1: set takes progression, jumpSpeed or noCrates, not level"},
  };
  for (auto [script, message] : cases) {
    const TraceRun r = trace(script);
    EXPECT_EQ(r.status, 2) << script;
    EXPECT_EQ(r.err, std::string("zundabar_trace: line ") + (message + 5) + "\n") << script;
  }
}

TEST(TraceRunner, StoredTextsKeepTheirBlanksAndMayBeEmpty) {
  const TraceRun r = trace(
      "store Crates  False\nrandom 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.02 0.5 0.5\n"
      "load\nstore Crates\nunstore Crates\n");
  EXPECT_EQ(r.status, 0) << r.err;
  // " False" is not "False": the crate is still placed.
  EXPECT_NE(r.out.find("crateShown=-1"), std::string::npos);
}

TEST(TraceRunner, EveryCommandEndsWithTheWholeState) {
  const TraceRun r = trace("set progression 7\nstate playerX -1\n");
  EXPECT_EQ(r.out,
            "state progression=7 jumpSpeed=0 noCrates=0 playerX=0 playerY=0 dropSpeed=0 "
            "frameTicks=0 poseUp=0 gapLeft=0 ledgeY=0 gapRight=0 cloudX=0 cloudY=0 cloudRight=0 "
            "keepProgress=0 jumps=0 level=0 crateX=0 crateY=0 crateShown=0 score=0\n"
            "state progression=7 jumpSpeed=0 noCrates=0 playerX=-1 playerY=0 dropSpeed=0 "
            "frameTicks=0 poseUp=0 gapLeft=0 ledgeY=0 gapRight=0 cloudX=0 cloudY=0 cloudRight=0 "
            "keepProgress=0 jumps=0 level=0 crateX=0 crateY=0 crateShown=0 score=0\n");
}

TEST(TraceRunner, EscapeEndsBeforeTheDescent) {
  const TraceRun r = trace("random 0.5 0.5 0.5 0.5 0.5 0.5 0.5 0.01\nload\ntick Escape Down\n");
  EXPECT_NE(r.out.find("\nend\nstate"), std::string::npos);
  EXPECT_NE(r.out.find("playerY=185"), std::string::npos);
}

}  // namespace
