// The output buffer: what reaches the stream and when, and overwriting bytes
// on either side of the point where they were written out.
#include "input/byte_sink.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "lib/errors.h"

namespace vornic {
namespace {

// Accepts every byte and refuses to seek, as a pipe does.
class PipeOutput : public std::stringbuf {
 protected:
  pos_type seekoff(off_type, std::ios_base::seekdir, std::ios_base::openmode) override {
    return pos_type(off_type(-1));
  }
  pos_type seekpos(pos_type, std::ios_base::openmode) override { return pos_type(off_type(-1)); }
};

TEST(ByteSinkTest, HoldsBytesUntilTheyPassTheBound) {
  std::ostringstream output;
  ByteSink sink(output);
  sink.pending().assign(ByteSink::kSpillSize - 1, 'a');
  sink.Spill();
  EXPECT_EQ(output.str(), "");
  sink.pending() += 'b';
  sink.Spill();
  EXPECT_EQ(output.str().size(), ByteSink::kSpillSize);
  EXPECT_EQ(sink.pending(), "");
  EXPECT_EQ(sink.position(), ByteSink::kSpillSize);
  sink.pending() += "cd";
  EXPECT_EQ(sink.position(), ByteSink::kSpillSize + 2);
  sink.Finish();
  EXPECT_EQ(output.str().substr(ByteSink::kSpillSize - 1), "bcd");
}

TEST(ByteSinkTest, DroppedSinkLeavesPendingBytesOut) {
  std::ostringstream output;
  {
    ByteSink sink(output);
    sink.pending() = "half a record";
  }
  EXPECT_EQ(output.str(), "");
}

TEST(ByteSinkTest, OverwritesPendingWrittenAndStraddlingBytes) {
  std::ostringstream output;
  output << "kept";  // the sink starts where the stream stands
  ByteSink sink(output);
  sink.pending().assign(ByteSink::kSpillSize, '.');
  sink.Spill();
  sink.pending() = "......";
  sink.Overwrite(2, "AB");                          // written out already
  sink.Overwrite(ByteSink::kSpillSize - 1, "XYZ");  // one byte out, two pending
  sink.Overwrite(ByteSink::kSpillSize + 4, "Q");    // pending only
  sink.pending() += "end";
  sink.Finish();
  std::string expected = "kept" + std::string(ByteSink::kSpillSize + 6, '.') + "end";
  expected.replace(4 + 2, 2, "AB");
  expected.replace(4 + ByteSink::kSpillSize - 1, 3, "XYZ");
  expected.replace(4 + ByteSink::kSpillSize + 4, 1, "Q");
  EXPECT_EQ(output.str(), expected);
}

TEST(ByteSinkTest, StreamThatCannotSeekTakesOnlyPendingOverwrites) {
  PipeOutput pipe;
  std::ostream output(&pipe);
  ByteSink sink(output);
  sink.pending() = "1234";
  sink.Overwrite(0, "ab");
  sink.Finish();
  EXPECT_EQ(pipe.str(), "ab34");
  try {
    sink.Overwrite(0, "x");
    FAIL() << "no failure";
  } catch (const EWriteError& failure) {
    EXPECT_STREQ(failure.what(), "Stream write error");
  }
}

TEST(ByteSinkTest, RefusedBytesFailWithStreamWriteError) {
  std::ostream refusing(nullptr);
  ByteSink sink(refusing);
  sink.pending() = "x";
  EXPECT_THROW(sink.Finish(), EWriteError);
}

}  // namespace
}  // namespace vornic
