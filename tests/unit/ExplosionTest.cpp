// The end of a game: the gems tremble for 51 frames, are launched and fly off the board in 52.
#include "GameTables.h"
#include "basManipulatingGems.h"
#include "platform/Runtime.h"

#include <cmath>
#include <set>
#include <utility>

namespace glintrow {
namespace {

using testing::Sounds;

bool IsLaunchAngle(float angle) {
    return (angle >= 45.0f && angle < 70.0f) || (angle > 110.0f && angle <= 135.0f);
}

class ExplosionTest : public testing::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Hooks().timeOfDay = [] { return 5000.125f; };
        testing::LayRandomBoardWithoutLines(31);
        GameState = StateGameOver;
    }

    // Runs the trembling to the launch.
    void Tremble() {
        for (int frame = 1; frame <= 51; ++frame)
            StartGameOver();
        ASSERT_EQ(GameState, StateExploding);
    }
};

TEST_F(ExplosionTest, LaunchAngleNeverRoundsUpIntoTheExcludedBand) {
    // In this random state one gem draws the fraction just below 1 for its angle, which single
    // precision would round to 110 degrees exactly.
    SetRandomState(93045);
    GameOverCounter = 50;
    StartGameOver();
    ASSERT_EQ(GameState, StateExploding);
    EXPECT_EQ(Gems[26].Angle, 180.0f - std::nextafter(70.0f, 0.0f));
    for (const CGem& gem : Gems)
        EXPECT_TRUE(IsLaunchAngle(gem.Angle)) << "gem " << gem.GemID << ": " << gem.Angle;
}

TEST_F(ExplosionTest, TremblingKeepsBothOffsetsOnOneSideOfTwoAndNeverDrifts) {
    std::set<std::pair<int, int>> offsetsSeen;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("random state " + std::to_string(seed));
        SetRandomState(seed);
        for (int frame = 1; frame <= 50; ++frame) {
            StartGameOver();
            ASSERT_EQ(GameState, StateGameOver);
            ASSERT_EQ(GameOverCounter, frame);
            for (const CGem& gem : Gems) {
                const int ox = gem.XPos - 52 * gem.XCoord;
                const int oy = gem.YPos - 52 * gem.YCoord;
                const bool low = ox >= 0 && ox <= 2 && oy >= 0 && oy <= 2;
                const bool high = ox >= 2 && ox <= 4 && oy >= 2 && oy <= 4;
                ASSERT_TRUE(low || high) << "gem " << gem.GemID << " at +" << ox << ", +" << oy;
                offsetsSeen.insert({ox, oy});
            }
        }
        GameOverCounter = 0;
    }
    EXPECT_EQ(offsetsSeen.size(), 17u) << "every offset pair of both sides turns up";
}

TEST_F(ExplosionTest, FiftyFirstTremblingFrameLaunchesEveryGemWithTheExplodeSound) {
    testing::LoadTestSounds();
    for (int frame = 1; frame <= 50; ++frame)
        StartGameOver();
    EXPECT_EQ(testing::SoundPlayCounts(), Sounds{});
    StartGameOver();
    Sounds expected{};
    expected[SoundExplode] = 1;
    EXPECT_EQ(testing::SoundPlayCounts(), expected);
    EXPECT_EQ(GameState, StateExploding);
    EXPECT_EQ(GameOverCounter, 0);
    for (const CGem& gem : Gems) {
        EXPECT_EQ(gem.XInitial, gem.XPos);
        EXPECT_EQ(gem.YInitial, 416 - gem.YPos);
    }
}

TEST_F(ExplosionTest, LaunchAnglesPointUpAndSidewaysAndSpeedsStayBetweenTenAndThirty) {
    int rightward = 0;
    int leftward = 0;
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("random state " + std::to_string(seed));
        SetRandomState(seed);
        GameState = StateGameOver;
        Tremble();
        for (const CGem& gem : Gems) {
            ASSERT_TRUE(IsLaunchAngle(gem.Angle)) << gem.Angle;
            ASSERT_GE(gem.Velocity, 10.0f);
            ASSERT_LT(gem.Velocity, 30.0f);
            (gem.Angle < 90.0f ? rightward : leftward)++;
        }
    }
    EXPECT_GT(rightward, 4000);
    EXPECT_GT(leftward, 4000);
}

TEST_F(ExplosionTest, GemsLaunchedWithinOneClockValueStillFlyApartOnDifferentPaths) {
    Tremble();
    std::set<std::pair<float, float>> paths;
    for (const CGem& gem : Gems)
        paths.insert({gem.Angle, gem.Velocity});
    EXPECT_EQ(paths.size(), 64u);
}

TEST_F(ExplosionTest, FlightLastsFiftyTwoFramesFromTheLastTremblingPlaceToBelowTheBoard) {
    testing::LoadTestSounds();
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("random state " + std::to_string(seed));
        SetRandomState(seed);
        GameState = StateGameOver;
        Tremble();
        const auto launched = Gems;
        const Sounds before = testing::SoundPlayCounts();
        AnimateExplosion();
        for (const CGem& gem : Gems) {
            EXPECT_EQ(gem.XPos, launched[gem.GemID].XPos);
            EXPECT_EQ(gem.YPos, launched[gem.GemID].YPos);
        }
        for (int frame = 2; frame <= 51; ++frame) {
            AnimateExplosion();
            ASSERT_EQ(GameState, StateExploding) << "frame " << frame;
            ASSERT_EQ(ExplosionCounter, frame);
        }
        EXPECT_EQ(testing::SoundPlayCounts(), before);
        AnimateExplosion();
        EXPECT_EQ(GameState, StateGameOverShown);
        EXPECT_EQ(ExplosionCounter, 0);
        EXPECT_EQ(testing::SoundPlayCounts()[SoundGameOver], before[SoundGameOver] + 1);
        for (const CGem& gem : Gems) {
            EXPECT_GE(gem.YPos, 416) << "gem " << gem.GemID;
            EXPECT_EQ(gem.XPos > gem.XInitial, gem.Angle < 90.0f) << "gem " << gem.GemID;
        }
    }
}

TEST_F(ExplosionTest, FlightPositionsRoundHalvesToTheEvenNeighbour) {
    GameState = StateExploding;
    const std::pair<float, int16_t> cases[] = {{100.5f, 100}, {101.5f, 102}, {-2.5f, -2}};
    for (int i = 0; i < 3; ++i) {
        Gems[i].XInitial = cases[i].first;
        Gems[i].YInitial = 416.0f - cases[i].first;
        Gems[i].Angle = 60.0f;
    }
    AnimateExplosion();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Gems[i].XPos, cases[i].second);
        EXPECT_EQ(Gems[i].YPos, cases[i].second);
    }
}

TEST_F(ExplosionTest, FlightBeyondTheSixteenBitRangeRaisesOverflowInsteadOfWrapping) {
    Tremble();
    Gems[17].Velocity = 1.0e6f;
    Gems[17].Angle = 45.0f;
    AnimateExplosion();
    try {
        AnimateExplosion();
        ADD_FAILURE() << "no error raised; gem 17 landed at x " << Gems[17].XPos;
    } catch (const RuntimeError& error) {
        EXPECT_STREQ(error.what(), "Overflow");
    }
}

} // namespace
} // namespace glintrow
