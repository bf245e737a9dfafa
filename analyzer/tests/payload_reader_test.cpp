#include "payload_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace scenario_writer;
using testing::ExitedWithCode;

namespace {

PayloadReader ReaderOver(const Bytes& bytes) {
  return MakePayloadReader(bytes.data(), int32_t(bytes.size()));
}

const char kPastEnd[] = "Attempting to read past end of file";

}  // namespace

TEST(PayloadReader, ReadsLittleEndianFieldsUpToTheEndExactly) {
  Bytes bytes = {0x78, 0x56, 0x34, 0x12, 0xAB};
  PayloadReader reader = ReaderOver(bytes);
  EXPECT_EQ(ReadU32(&reader), 0x12345678u);
  EXPECT_EQ(ReadByte(&reader), 0xAB);
  EXPECT_EQ(reader.position, 5);
  EXPECT_EXIT(ReadByte(&reader), ExitedWithCode(1), FatalLine(kPastEnd, 5));
}

TEST(PayloadReader, ReadBeyondTheEndReportsThePositionBeforeTheRead) {
  Bytes four = {1, 2, 3, 4};
  PayloadReader reader = ReaderOver(four);
  ReadU32(&reader);
  EXPECT_EXIT(ReadU32(&reader), ExitedWithCode(1), FatalLine(kPastEnd, 4));

  Bytes three = {1, 2, 3};
  PayloadReader shortReader = ReaderOver(three);
  EXPECT_EXIT(ReadU32(&shortReader), ExitedWithCode(1), FatalLine(kPastEnd, 0));

  // Skips are not checked; the next read is, at the position past the end.
  PayloadReader skipped = ReaderOver(four);
  SkipBytes(&skipped, 10);
  EXPECT_EXIT(ReadU32(&skipped), ExitedWithCode(1), FatalLine(kPastEnd, 10));
}

TEST(PayloadReader, SkipsStringsOfBothWidths) {
  Bytes bytes;
  PutString(&bytes, "abcde", StringWidth::kWide);
  PutString(&bytes, "abc");
  PutU32(&bytes, 7);
  PayloadReader reader = ReaderOver(bytes);
  SkipString(&reader);
  EXPECT_EQ(reader.position, 18);
  SkipString(&reader);
  EXPECT_EQ(reader.position, 18 + 11);
  EXPECT_EQ(ReadU32(&reader), 7u);
}

TEST(PayloadReader, DamagedStringsReportWhereTheyFail) {
  Bytes tagOnly;
  PutU32(&tagOnly, kNarrowStringTag);
  PayloadReader reader = ReaderOver(tagOnly);
  EXPECT_EXIT(SkipString(&reader), ExitedWithCode(1), FatalLine(kPastEnd, 4));

  Bytes empty;
  PayloadReader emptyReader = ReaderOver(empty);
  EXPECT_EXIT(SkipString(&emptyReader), ExitedWithCode(1), FatalLine(kPastEnd, 0));

  Bytes badTag;
  PutU32(&badTag, 0x12345678);
  PutU32(&badTag, 0);
  PayloadReader badReader = ReaderOver(badTag);
  EXPECT_EXIT(SkipString(&badReader), ExitedWithCode(1), FatalLine("String expected", 8));
}

TEST(PayloadReader, AHugeStringLengthNeverMovesTheCursorBack) {
  Bytes bytes;
  PutU32(&bytes, kWideStringTag);
  PutU32(&bytes, 0xFFFFFFFCu);
  PutU32(&bytes, 1);
  PayloadReader reader = ReaderOver(bytes);
  SkipString(&reader);
  EXPECT_EXIT(ReadU32(&reader), ExitedWithCode(1), FatalLine(kPastEnd, 8 + 2 * 0xFFFFFFFCll));
}

TEST(PayloadReader, FindSequenceMatchesOnlyWhollyInsideThePayload) {
  const unsigned char sequence[] = {7, 0, 7};
  Bytes bytes = {7, 0, 9, 7, 0, 7, 1, 7, 0};
  PayloadReader reader = ReaderOver(bytes);
  ASSERT_TRUE(FindSequence(&reader, sequence, 3));
  EXPECT_EQ(reader.position, 6);
  // The only later start is cut off by the end of the payload.
  EXPECT_FALSE(FindSequence(&reader, sequence, 3));
  EXPECT_EQ(reader.position, 6);

  PayloadReader atCursor = ReaderOver(bytes);
  atCursor.position = 3;
  ASSERT_TRUE(FindSequence(&atCursor, sequence, 3));
  EXPECT_EQ(atCursor.position, 6);

  PayloadReader pastEnd = ReaderOver(bytes);
  SkipBytes(&pastEnd, 20);
  EXPECT_FALSE(FindSequence(&pastEnd, sequence, 3));
}
