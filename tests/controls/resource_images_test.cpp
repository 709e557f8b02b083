// The numbered images: each number the pages and gauges use exists at its
// size and shows something; series members differ from each other.
#include <gtest/gtest.h>

#include <QImage>
#include <map>
#include <set>

#include "resources/gauge_layout.h"
#include "resources/image_registry.h"

namespace {

// Images of one size; the members of each group differ from each other.
const std::pair<std::vector<int>, QSize> kGroups[] = {
    {{246, 247, 248, 249, 250, 251, 314}, {800, 580}}, {{269}, {487, 190}}, {{275, 276}, {1024, 768}},
    {{180}, {498, 289}}, {{228, 229, 230, 232, 233, 234, 270, 273, 281}, {32, 32}},
    {{260, 261, 262}, {64, 44}}, {{349, 350, 351, 352, 353, 354, 355, 356, 357, 358, 432}, {17, 27}},
    {{359, 360, 361, 362, 363, 364, 365, 366, 367, 368}, {9, 14}}, {{369}, {4, 14}}, {{407, 408}, {26, 241}},
    {{277}, {12, 240}}, {{419}, {13, 16}}, {{416}, {4, 10}}};

QImage Image(int id) { return ResourceImage(id).toImage().convertToFormat(QImage::Format_RGB32); }

// How many colours the image has.
int Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// Backgrounds carry gradients and artwork; small parts at least two tones.
// The engine-speed arc grows from sixteen to twenty-three pixels.
TEST(ResourceImagesTest, EveryNumberHasItsSizeAndShowsSomethingAndNoOtherExists) {
    std::map<int, QSize> expected;
    for (const auto& [ids, size] : kGroups)
        for (int id : ids) expected[id] = size;
    for (int id = 316; id <= 347; ++id) expected[id] = {46, 69};
    for (int i = 0; i < 28; ++i) expected[379 + i] = GaugeLayout::ArcSegmentSize(i);
    expected[412] = GaugeLayout::ArcSegmentSize(5);
    expected[413] = GaugeLayout::ArcSegmentSize(8);
    expected[414] = GaugeLayout::ArcSegmentSize(10);
    std::vector<int> expectedIds;
    for (const auto& [id, size] : expected) {
        expectedIds.push_back(id);
        EXPECT_EQ(size, ResourceImageSize(id)) << id;
        const QImage image = Image(id);
        EXPECT_EQ(size, image.size()) << id;
        EXPECT_GE(Colours(image), size.width() * size.height() > 100000 ? 200 : 2) << id;
    }
    EXPECT_EQ(expectedIds, ResourceImageIds());
    EXPECT_FALSE(HasResourceImage(231) || ResourceImageSize(231).isValid() || !ResourceImage(231).isNull());
    EXPECT_TRUE(ResourceImageSize(379) == QSize(8, 16) && ResourceImageSize(406) == QSize(8, 23));
}

TEST(ResourceImagesTest, MembersOfEachSeriesDiffer) {
    std::vector<std::vector<int>> series;
    for (const auto& group : kGroups) series.push_back(group.first);
    for (int id = 316; id < 347; ++id) series.push_back({id, id + 1});
    for (const auto& ids : series)
        for (size_t a = 0; a < ids.size(); ++a)
            for (size_t b = a + 1; b < ids.size(); ++b) EXPECT_NE(Image(ids[a]), Image(ids[b])) << ids[a] << " " << ids[b];
}

}  // namespace
