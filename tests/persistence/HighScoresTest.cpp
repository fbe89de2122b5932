#include <gtest/gtest.h>

#include "TempFolder.h"
#include "persistence/HighScores.h"

namespace zorvane {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> Scores(const HighScoreTable& table) {
    std::vector<std::string> scores;
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        scores.push_back(table.Row(i).Score);
    }
    return scores;
}

TEST(HighScoresTest, ClearedTableAndItsFile) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    const HighScoreTable table("2024-05-01");
    ASSERT_TRUE(table.SaveScores(path).ok);
    EXPECT_EQ(test::ReadBytes(path),
              "; Scores for Zorvane v. 1.0 b\r\n"
              "5000|2024-05-01|1|No Name\r\n4500|2024-05-01|1|No Name\r\n"
              "4000|2024-05-01|1|No Name\r\n3500|2024-05-01|1|No Name\r\n"
              "3000|2024-05-01|1|No Name\r\n2500|2024-05-01|1|No Name\r\n"
              "2000|2024-05-01|1|No Name\r\n1500|2024-05-01|1|No Name\r\n"
              "1000|2024-05-01|1|No Name\r\n500|2024-05-01|1|No Name\r\n");
}

TEST(HighScoresTest, InsertionAfterClear) {
    HighScoreTable table("d0");
    EXPECT_FALSE(table.IsHighScore(500));
    EXPECT_FALSE(table.IsHighScore(0));
    EXPECT_FALSE(table.InsertScore("low", 500, 1, "d1"));
    EXPECT_EQ(Scores(table), Scores(HighScoreTable("d0")));

    ASSERT_TRUE(table.InsertScore("last", 501, 2, "d1"));
    EXPECT_EQ(table.Row(9).Score, "501");
    EXPECT_EQ(table.Row(9).Name, "last");
    EXPECT_EQ(table.Row(8).Score, "1000");

    ASSERT_TRUE(table.InsertScore("tie", 4500, 3, "d2"));
    EXPECT_EQ(table.Row(1).Score, "4500");
    EXPECT_EQ(table.Row(1).Name, "tie");
    EXPECT_EQ(table.Row(1).Date, "d2");
    EXPECT_EQ(table.Row(1).Level, "3");
    EXPECT_EQ(table.Row(2).Name, "No Name");  // the old 4500 moved down

    ASSERT_TRUE(table.InsertScore("top", 5000, 4, "d3"));
    EXPECT_EQ(Scores(table), (Lines{"5000", "5000", "4500", "4500", "4000", "3500", "3000", "2500",
                                    "2000", "1500"}));
    EXPECT_EQ(table.Row(0).Name, "top");
    EXPECT_EQ(table.Row(1).Name, "No Name");
}

TEST(HighScoresTest, QualifyingComparesTexts) {
    HighScoreTable table;
    table.Row(9).Score = "9500";
    EXPECT_TRUE(table.IsHighScore(10000));  // longer text
    EXPECT_FALSE(table.IsHighScore(9500));
    EXPECT_TRUE(table.IsHighScore(9501));
    table.Row(9).Score = "abc";  // edited in the window: still a text compare
    EXPECT_FALSE(table.IsHighScore(999));
    EXPECT_TRUE(table.IsHighScore(1000));
}

TEST(HighScoresTest, LoadingRowsNamesAndExtraLines) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    std::string bytes = "; header\n\n900|1.1.24|3|Ann|the | great\r;comment\r\n";
    for (int i = 0; i < 12; ++i) {
        bytes += std::to_string(800 - i) + "|d|1|P" + std::to_string(i) + "\r\n";
    }
    test::WriteBytes(path, bytes);
    HighScoreTable table("today");
    ASSERT_TRUE(table.LoadScores(path).ok);
    EXPECT_EQ(table.Row(0).Name, "Ann|the | great");
    EXPECT_EQ(table.Row(0).Date, "1.1.24");
    EXPECT_EQ(table.Row(9).Score, "792");

    ASSERT_TRUE(table.SaveScores(path).ok);
    Lines lines;
    ASSERT_TRUE(ReadTextFile(path, lines).ok);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[1], "900|1.1.24|3|Ann|the | great");
    EXPECT_EQ(lines[10], "792|d|1|P8");
}

TEST(HighScoresTest, ShortMissingAndUnreadableFiles) {
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    test::WriteBytes(path, "; Scores\r\n700|d|2|Bo\r\n12\r\n");
    HighScoreTable table("today");
    ASSERT_TRUE(table.LoadScores(path).ok);
    EXPECT_EQ(table.Row(1).Score, "12");
    EXPECT_EQ(table.Row(1).Name, "");
    EXPECT_EQ(table.Row(2).Score, "0");
    EXPECT_EQ(table.Row(9).Date, "");
    EXPECT_TRUE(table.IsHighScore(1));
    ASSERT_TRUE(table.InsertScore("Cy", 13, 1, "now"));
    EXPECT_EQ(Scores(table), (Lines{"700", "13", "12", "0", "0", "0", "0", "0", "0", "0"}));

    HighScoreTable fresh("today");
    const FileResult missing = fresh.LoadScores(folder.File("none.txt"));
    EXPECT_TRUE(missing.ok);
    EXPECT_TRUE(missing.missing);
    EXPECT_EQ(fresh.Row(0).Score, "5000");
    EXPECT_EQ(fresh.Row(0).Date, "today");

    const FileResult unreadable = table.LoadScores(folder.Path().string());
    EXPECT_FALSE(unreadable.ok);
    EXPECT_FALSE(unreadable.reason.empty());
    EXPECT_EQ(table.Row(1).Name, "Cy");
}

}  // namespace
}  // namespace zorvane
