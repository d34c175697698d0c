// The shared geometry: rounding, distance, regular polygons and quarter arcs.
#include "model/Geometry.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Geometry, RoundHalfAwayAndDistance) {
    EXPECT_EQ(RoundHalfAway(1.5), 2);
    EXPECT_EQ(RoundHalfAway(-1.5), -2);
    EXPECT_EQ(RoundHalfAway(-1.49), -1);
    EXPECT_EQ(RoundHalfAway(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundHalfAway(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Distance({0, 0}, {3, 4}), 5);
    EXPECT_EQ(Distance({0, 0}, {1, 1}), 1);
    EXPECT_EQ(Distance({-2000000000, 0}, {2000000000, 0}),
              std::numeric_limits<std::int32_t>::max());
}

TEST(Geometry, RegularPolygonCorners) {
    const std::vector<POINT> square = RegularPolygonPoints(4, {100, 100}, {150, 100});
    EXPECT_EQ(square, (std::vector<POINT>{{135, 135}, {135, 65}, {65, 65}, {65, 135}}));

    const std::vector<POINT> hexagon = RegularPolygonPoints(6, {100, 100}, {150, 100});
    EXPECT_EQ(hexagon, (std::vector<POINT>{
                           {150, 100}, {125, 57}, {75, 57}, {50, 100}, {75, 143}, {125, 143}}));

    EXPECT_EQ(RegularPolygonPoints(3, {100, 100}, {100, 160})[0], (POINT{100, 160}));
    EXPECT_EQ(RegularPolygonPoints(3, {100, 100}, {100, 40})[0], (POINT{100, 40}));
    EXPECT_TRUE(RegularPolygonPoints(0, {0, 0}, {1, 1}).empty());
    EXPECT_TRUE(RegularPolygonPoints(-3, {0, 0}, {1, 1}).empty());
}

TEST(Geometry, QuarterArcByQuadrant) {
    RECT box;
    POINT start;
    POINT end;
    ASSERT_TRUE(QuarterArc({100, 101}, {151, 50}, box, start, end));
    EXPECT_EQ(box, (RECT{49, 50, 151, 152}));
    EXPECT_EQ(start, (POINT{151, 101}));
    EXPECT_EQ(end, (POINT{100, 50}));

    ASSERT_TRUE(QuarterArc({100, 100}, {90, 90}, box, start, end));
    EXPECT_EQ(start, (POINT{100, 90}));
    EXPECT_EQ(end, (POINT{90, 100}));
    ASSERT_TRUE(QuarterArc({100, 100}, {90, 110}, box, start, end));
    EXPECT_EQ(start, (POINT{90, 100}));
    EXPECT_EQ(end, (POINT{100, 110}));
    ASSERT_TRUE(QuarterArc({100, 100}, {110, 110}, box, start, end));
    EXPECT_EQ(start, (POINT{100, 110}));
    EXPECT_EQ(end, (POINT{110, 100}));

    EXPECT_FALSE(QuarterArc({100, 100}, {102, 150}, box, start, end));
    EXPECT_FALSE(QuarterArc({100, 100}, {150, 98}, box, start, end));
}
