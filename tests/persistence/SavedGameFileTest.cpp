#include <gtest/gtest.h>

#include "TempFolder.h"
#include "persistence/SavedGameFile.h"

namespace zorvane {
namespace {

using Lines = std::vector<std::string>;

// Writes down what a load delivers, in order.
class RecordingSink : public SavedGameSink {
  public:
    Lines calls;
    SavedGame game;

    void LoadScore(std::int32_t score) override { Add("score", score); }
    void LoadLevel(std::int32_t level) override { Add("level", level); }
    void LoadClearedCount(std::int32_t count) override { Add("cleared", count); }
    void LoadRowsDone(std::int32_t rows) override { Add("rows", rows); }
    void LoadCell(int col, int row, const SavedCell& cell) override {
        game.Cells.at(col).at(row) = cell;
        calls.push_back("cell " + std::to_string(col) + "," + std::to_string(row) + " " +
                        std::to_string(cell.Pic) + (cell.IsBomb ? "B" : "-") +
                        (cell.IsSpecial ? "S" : "-") + std::to_string(cell.SpecialNum));
    }

  private:
    void Add(const char* what, std::int32_t value) {
        calls.push_back(std::string(what) + " " + std::to_string(value));
    }
};

// What opening the file delivers, read and applied as the game opens a saved game.
RecordingSink Opened(const std::string& path) {
    Lines lines;
    EXPECT_TRUE(ReadSavedGameLines(path, lines).ok) << path;
    RecordingSink sink;
    ApplySavedGameLines(lines, sink);
    return sink;
}

SavedGame SampleGame(int rows) {
    SavedGame game;
    game.NumRows = rows;
    game.Score = 123456;
    game.Level = 7;
    game.RowsDone = 9;
    game.ClearedCount = 2;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < kSavedColumns; ++col) {
            game.Cells[col][row].Pic = (col + row) % 7;
        }
    }
    game.Cells[3][7] = {0, true, true, 4};   // special of kind 4
    game.Cells[5][1] = {4, true, false, 0};  // colour bomb of colour 4
    game.Cells[6][1] = {0, true, false, 0};  // black bomb
    return game;
}

TEST(SavedGameFileTest, LayoutLineForLine) {
    const Lines lines = SavedGameLines(SampleGame(9));
    ASSERT_EQ(lines.size(), 456u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 11),
              (Lines{"; This is a Zorvane! v. 1.0 beta 1 save game", "NumRows=9", "Score=123456",
                     "Level=7", "RowsDone=9", "ClearedCount=2", "Pos[0,0]", "Pic=0", "IsBomb=FALSE",
                     "IsSpecial=FALSE", "SpecialNum=0"}));
    // Row 7, column 3 is block 73: bottom row first, columns left to right.
    EXPECT_EQ(Lines(lines.begin() + 6 + 73 * 5, lines.begin() + 6 + 74 * 5),
              (Lines{"Pos[3,7]", "Pic=0", "IsBomb=TRUE", "IsSpecial=TRUE", "SpecialNum=4"}));
    EXPECT_EQ(Lines(lines.begin() + 6 + 15 * 5, lines.begin() + 6 + 16 * 5),
              (Lines{"Pos[5,1]", "Pic=4", "IsBomb=TRUE", "IsSpecial=FALSE", "SpecialNum=0"}));
    EXPECT_EQ(lines[451], "Pos[9,8]");

    EXPECT_EQ(SavedGameLines(SampleGame(12)).size(), 606u);
    EXPECT_EQ(SavedGameLines(SampleGame(16)).size(), 806u);
    SavedGame odd = SampleGame(9);
    odd.NumRows = 40;
    EXPECT_EQ(SavedGameLines(odd).size(), 806u);  // never past the grid
    odd.NumRows = -3;
    EXPECT_EQ(SavedGameLines(odd).size(), 6u);
}

TEST(SavedGameFileTest, RoundTripThroughAFile) {
    test::TempFolder folder;
    const std::string path = folder.File("game.SAV");
    for (int rows : {9, 12, 16}) {
        const SavedGame saved = SampleGame(rows);
        ASSERT_TRUE(WriteSavedGame(path, saved).ok);
        const std::string bytes = test::ReadBytes(path);
        EXPECT_TRUE(bytes.starts_with("; This is a Zorvane! v. 1.0 beta 1 save game\r\nNumRows="));
        EXPECT_TRUE(bytes.ends_with("SpecialNum=0\r\n"));

        const RecordingSink sink = Opened(path);
        EXPECT_EQ(Lines(sink.calls.begin(), sink.calls.begin() + 4),
                  (Lines{"score 123456", "level 7", "rows 9", "cleared 2"}));
        EXPECT_EQ(sink.calls.size(), 4u + 10u * static_cast<unsigned>(rows));
        EXPECT_TRUE(sink.game.Cells == saved.Cells);
    }
}

TEST(SavedGameFileTest, KeysCellHeadersAndCounters) {
    RecordingSink sink;
    ApplySavedGameLines({"numrows=99",
                         "score=5",
                         "RowsDone=3",
                         "Level=0",
                         "level=-4",
                         "Bogus=1",
                         "SCORE=x",
                         "pos[2,3]",
                         "Pic=6",
                         "IsBomb=yes",
                         "IsSpecial=1",
                         "SpecialNum=6",
                         "POSITION[1,2]",
                         "; comment",
                         "b=1",
                         "s=0",
                         "n=0",
                         "Pos[7]",
                         "Pic=1",
                         "IsBomb",
                         "IsSpecial",
                         "SpecialNum",
                         "Pos 4,5",
                         "Pic=2",
                         "x",
                         "x",
                         "x",
                         "Pos[5,6",
                         "Pic=3",
                         "x",
                         "x",
                         "x"},
                        sink);
    EXPECT_EQ(sink.calls,
              (Lines{"score 5", "rows 3", "level 1", "level 1", "score 0", "cell 2,3 6BS6",
                     "cell 1,2 0B-0", "cell 7,0 1--0", "cell 0,0 2--0", "cell 0,0 3--0"}));
}

TEST(SavedGameFileTest, OutOfRangeCellsAndPictures) {
    RecordingSink sink;
    ApplySavedGameLines({"Pos[10,0]", "Pic=1",  "IsBomb=FALSE", "IsSpecial=FALSE", "SpecialNum=0",
                         "Pos[0,16]", "Pic=1",  "IsBomb=FALSE", "IsSpecial=FALSE", "SpecialNum=0",
                         "Pos[-1,0]", "Pic=1",  "IsBomb=FALSE", "IsSpecial=FALSE", "SpecialNum=0",
                         "Pos[9,15]", "Pic=7",  "IsBomb=FALSE", "IsSpecial=FALSE", "SpecialNum=0",
                         "Pos[1,1]",  "Pic=0",  "IsBomb=TRUE",  "IsSpecial=TRUE",  "SpecialNum=7",
                         "Pos[1,2]",  "Pic=0",  "IsBomb=TRUE",  "IsSpecial=TRUE",  "SpecialNum=0",
                         "Pos[1,3]",  "Pic=-1", "IsBomb=TRUE",  "IsSpecial=FALSE", "SpecialNum=0",
                         "Pos[1,4]",  "Pic=3",  "IsBomb=FALSE", "IsSpecial=TRUE",  "SpecialNum=9",
                         "Score=7"},
                        sink);
    // The headers outside the grid still used up their four lines; the
    // values inside it arrive as read, for the game to judge.
    EXPECT_EQ(sink.calls, (Lines{"cell 9,15 7--0", "cell 1,1 0BS7", "cell 1,2 0BS0",
                                 "cell 1,3 -1B-0", "cell 1,4 3-S9", "score 7"}));
}

TEST(SavedGameFileTest, DamagedFiles) {
    test::TempFolder folder;
    const std::string path = folder.File("bad.SAV");

    // Truncated inside a cell block: the missing lines read as empty values.
    test::WriteBytes(path, "Score=10\nPos[4,2]\rPic=5\n\nIsBomb=TRUE");
    EXPECT_EQ(Opened(path).calls, (Lines{"score 10", "cell 4,2 5B-0"}));

    // Empty lines inside a block are skipped; Ctrl-Z ends the file.
    test::WriteBytes(path,
                     "Pos[1,1]\r\n\r\nPic=2\r\nIsBomb=F\r\n\r\nIsSpecial=F\r\nSpecialNum=0\r\n"
                     "Level=3\x1AScore=99\r\n");
    EXPECT_EQ(Opened(path).calls, (Lines{"cell 1,1 2--0", "level 3"}));

    test::WriteBytes(path, std::string("\x00\xff garbage\r\n=\r\n===\r\nPos", 23));
    EXPECT_EQ(Opened(path).calls, Lines{"cell 0,0 0--0"});

    Lines nothing;
    const FileResult missing = ReadSavedGameLines(folder.File("none.SAV"), nothing);
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.missing);
    EXPECT_FALSE(ReadSavedGameLines(folder.Path().string(), nothing).ok);
    EXPECT_TRUE(nothing.empty());
}

}  // namespace
}  // namespace zorvane
