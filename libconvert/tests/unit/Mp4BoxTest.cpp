#include <gtest/gtest.h>

#include "Mp4Box.h"
#include "Mp4Builder.h"

TEST(Mp4Box, NestedBoxesSurviveOpeningAndWritingBack) {
    Bytes original = MakeBox(
        "moov", Cat({MakeBox("mvhd", Bytes(100, 7)),
                     MakeBox("trak", Cat({MakeBox("tkhd", Bytes(84, 1)), MakeBox("mdia", {})})),
                     MakeWideBox("free", Bytes(5, 9))}));
    auto boxes = ParseBoxes(original.data(), original.size());
    ASSERT_TRUE(boxes.has_value());
    ASSERT_EQ(boxes->size(), 1u);
    Box& moov = boxes->front();
    ASSERT_TRUE(OpenBox(moov, 0));
    ASSERT_EQ(moov.children.size(), 3u);
    EXPECT_TRUE(moov.children[2].wideSize);
    ASSERT_TRUE(OpenBox(*moov.Child(FourCc("trak")), 0));
    EXPECT_NE(moov.Child(FourCc("trak"))->Child(FourCc("mdia")), nullptr);
    EXPECT_EQ(moov.Size(), original.size());
    Bytes written;
    AppendBox(moov, written);
    EXPECT_EQ(written, original);
}

TEST(Mp4Box, ChildrenAfterFixedFieldsKeepTheFields) {
    Bytes fields = {0, 0, 0, 0, 0, 0, 0, 1};
    Bytes original = MakeBox("stsd", Cat({fields, MakeBox("avc1", Bytes(78, 3))}));
    auto boxes = ParseBoxes(original.data(), original.size());
    ASSERT_TRUE(boxes.has_value());
    Box& stsd = boxes->front();
    ASSERT_TRUE(OpenBox(stsd, fields.size()));
    EXPECT_EQ(stsd.data, fields);
    ASSERT_EQ(stsd.children.size(), 1u);
    stsd.children.push_back(stsd.children.front());
    EXPECT_EQ(stsd.Size(), original.size() + 8 + 78);
}

TEST(Mp4Box, SizesThatDoNotAddUpAreRefused) {
    Bytes good = MakeBox("free", Bytes(4, 0));
    Bytes tooLong = good;
    tooLong[3] = 13;
    Bytes tooShort = good;
    tooShort[3] = 7;
    Bytes toTheEnd = good;
    toTheEnd[3] = 0;  // "to the end of the file" has no place inside a box
    Bytes wideTooLong = MakeWideBox("free", Bytes(4, 0));
    wideTooLong[15] = 40;
    Bytes trailingBytes = Cat({good, Bytes(3, 0)});
    for (const Bytes& bad : {tooLong, tooShort, toTheEnd, wideTooLong, trailingBytes})
        EXPECT_FALSE(ParseBoxes(bad.data(), bad.size()).has_value());
    EXPECT_TRUE(ParseBoxes(good.data(), good.size()).has_value());

    auto boxes = ParseBoxes(good.data(), good.size());
    Box free = boxes->front();
    EXPECT_FALSE(OpenBox(free, 2));  // two bytes of fields, then two that are no box
    EXPECT_FALSE(free.opened);
    EXPECT_EQ(free.data.size(), 4u);
}
