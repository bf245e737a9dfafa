#include "payload_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace scenario_writer;

namespace {

PayloadReader ReaderOver(const Bytes& bytes) {
  return MakePayloadReader(bytes.data(), int32_t(bytes.size()));
}

// The bytes, then zeros up to the declared length that are not stored.
PayloadReader ReaderWithTail(const Bytes& bytes, int32_t length) {
  return MakePayloadReader(ChunkPayload{bytes.data(), int32_t(bytes.size()), length});
}

std::string PastEnd(long long position) {
  return "Attempting to read past end of file (" + std::to_string(position) + ")";
}

}  // namespace

TEST(PayloadReader, ReadsLittleEndianFieldsUpToTheEndExactly) {
  Bytes bytes = {0x78, 0x56, 0x34, 0x12, 0xAB};
  PayloadReader reader = ReaderOver(bytes);
  EXPECT_EQ(ReadU32(&reader), 0x12345678u);
  EXPECT_EQ(ReadByte(&reader), 0xAB);
  EXPECT_EQ(reader.position, 5);
  EXPECT_EQ(FaultOf([&] { ReadByte(&reader); }), PastEnd(5));
}

TEST(PayloadReader, ReadBeyondTheEndReportsThePositionBeforeTheRead) {
  Bytes four = {1, 2, 3, 4};
  PayloadReader reader = ReaderOver(four);
  ReadU32(&reader);
  EXPECT_EQ(FaultOf([&] { ReadU32(&reader); }), PastEnd(4));

  Bytes three = {1, 2, 3};
  PayloadReader shortReader = ReaderOver(three);
  EXPECT_EQ(FaultOf([&] { ReadU32(&shortReader); }), PastEnd(0));

  // Skips are not checked; the next read is, at the position past the end.
  PayloadReader skipped = ReaderOver(four);
  SkipBytes(&skipped, 10);
  EXPECT_EQ(FaultOf([&] { ReadU32(&skipped); }), PastEnd(10));
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
  EXPECT_EQ(FaultOf([&] { SkipString(&reader); }), PastEnd(4));

  Bytes empty;
  PayloadReader emptyReader = ReaderOver(empty);
  EXPECT_EQ(FaultOf([&] { SkipString(&emptyReader); }), PastEnd(0));

  Bytes badTag;
  PutU32(&badTag, 0x12345678);
  PutU32(&badTag, 0);
  PayloadReader badReader = ReaderOver(badTag);
  EXPECT_EQ(FaultOf([&] { SkipString(&badReader); }), "String expected (8)");

  Bytes huge;
  PutU32(&huge, kWideStringTag);
  PutU32(&huge, 0xFFFFFFFCu);
  PutU32(&huge, 1);
  PayloadReader hugeReader = ReaderOver(huge);
  SkipString(&hugeReader);
  EXPECT_EQ(FaultOf([&] { ReadU32(&hugeReader); }), PastEnd(8 + 2 * 0xFFFFFFFCll));
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

TEST(PayloadReader, TheUnstoredTailReadsAsZerosUpToTheDeclaredLength) {
  Bytes bytes = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
  PayloadReader reader = ReaderWithTail(bytes, 16);
  EXPECT_EQ(ReadU32(&reader), 0x44332211u);
  EXPECT_EQ(ReadU32(&reader), 0x00006655u);  // across the end of the stored bytes
  EXPECT_EQ(ReadByte(&reader), 0);
  SkipBytes(&reader, 3);
  EXPECT_EQ(ReadU32(&reader), 0u);  // the last four declared bytes
  EXPECT_EQ(FaultOf([&] { ReadByte(&reader); }), PastEnd(16));
  // A string tag in the tail is a zero, which is no tag.
  PayloadReader tail = ReaderWithTail(bytes, 20);
  SkipBytes(&tail, 8);
  EXPECT_EQ(FaultOf([&] { SkipString(&tail); }), "String expected (16)");
}

TEST(PayloadReader, FindSequenceSeesTheTailAsZerosWithoutStoringThem) {
  const unsigned char endsInZeros[] = {5, 6, 0, 0, 0};
  const unsigned char allZeros[] = {0, 0, 0, 0};
  const unsigned char noZeros[] = {5, 6};
  Bytes bytes = {5, 6, 0, 1, 5, 6};

  // A match that begins in the stored bytes and ends in the tail.
  PayloadReader reader = ReaderWithTail(bytes, 1 << 28);
  ASSERT_TRUE(FindSequence(&reader, endsInZeros, 5));
  EXPECT_EQ(reader.position, 9);

  // Zeros in the stored bytes come first; else the tail's first bytes match.
  Bytes zeroRun = {0, 0, 0, 9, 0, 0};
  PayloadReader zeros = ReaderWithTail(zeroRun, 1 << 28);
  ASSERT_TRUE(FindSequence(&zeros, allZeros, 4));
  EXPECT_EQ(zeros.position, 8);
  PayloadReader farInTail = ReaderWithTail(bytes, 1 << 28);
  SkipBytes(&farInTail, 1000);
  ASSERT_TRUE(FindSequence(&farInTail, allZeros, 4));
  EXPECT_EQ(farInTail.position, 1004);

  // Bytes that are not zero are never in the tail, and nothing reaches past the length.
  PayloadReader missing = ReaderWithTail(bytes, 1 << 28);
  SkipBytes(&missing, 5);
  EXPECT_FALSE(FindSequence(&missing, noZeros, 2));
  PayloadReader tooShort = ReaderWithTail(bytes, 9);
  SkipBytes(&tooShort, 6);
  EXPECT_FALSE(FindSequence(&tooShort, allZeros, 4));
  EXPECT_EQ(tooShort.position, 6);
}

// SkipEntries jumps over entries in the zero tail; it must end exactly where,
// and with the error with which, a plain loop over stored zeros ends.
void SkipSpacedPair(PayloadReader* reader) {
  SkipBytes(reader, 8);
  ReadU32(reader);
  ReadU32(reader);
  SkipBytes(reader, 8);
}

void SkipCountedBlock(PayloadReader* reader) { SkipBytes(reader, ReadU32(reader)); }

TEST(PayloadReader, SkipEntriesEndsLikeAPlainLoopThroughTheTail) {
  Bytes stored = {0, 0, 0, 0, 9, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7};
  for (void (*entry)(PayloadReader*) : {SkipSpacedPair, SkipCountedBlock}) {
    for (int32_t length : {15, 40, 63, 64, 65, 71, 72, 1000, 1001}) {
      for (uint32_t count : {0u, 1u, 2u, 3u, 5u, 40u, 0xFFFFFFFFu}) {
        PayloadReader jumping = ReaderWithTail(stored, length);
        std::string jumpingFault = FaultOf([&] { SkipEntries(&jumping, count, entry); });

        Bytes whole = stored;
        whole.resize(size_t(length), 0);
        PayloadReader plain = ReaderOver(whole);
        std::string plainFault = FaultOf([&] {
          for (uint32_t i = 0; i < count; ++i) entry(&plain);
        });
        SCOPED_TRACE(testing::Message() << "length " << length << ", count " << count);
        EXPECT_EQ(jumpingFault, plainFault);
        if (plainFault.empty()) {
          EXPECT_EQ(jumping.position, plain.position);
        }
      }
    }
  }
}
