#include <gtest/gtest.h>

#include "TempFolder.h"
#include "persistence/OptionsFile.h"

namespace zorvane {
namespace {

using Lines = std::vector<std::string>;

const Lines kDefaultLines = {
    "; Options for Zorvane v. 1.0 b",
    "NumRows=9",
    "StartRows=3",
    "BoardColor=clGray",
    "Shape=B",
    "Color1=1",
    "Color2=2",
    "Color3=3",
    "Color4=4",
    "Color5=5",
    "Color6=6",
    "BadSound=wump.wav",
    "GoodSound=subping.wav",
    "ExplodeSound=explode.wav",
    "RowSound=click.wav",
    "CycleMusic=TRUE",
    "MusicFolder=/opt/zorvane/Music/",
    "PlayBad=TRUE",
    "PlayGood=TRUE",
    "PlayExplode=TRUE",
    "PlayClick=TRUE",
    "PlayMusic=FALSE",
    "PauseMusic=FALSE",
    "Buffered=TRUE",
    "UseGraphicsBack=FALSE",
    "GraphicsType=-1",
    "Transparent=FALSE",
    "RandomMode=FALSE",
    "Symbols=FALSE",
    "Animations=TRUE",
};

TEST(OptionsFileTest, DefaultsWriteTheFixedLayout) {
    const Settings defaults = DefaultSettings("/opt/zorvane/");
    EXPECT_EQ(defaults.MusicPath, "/opt/zorvane/Music/");
    EXPECT_EQ(OptionsLines(defaults), kDefaultLines);

    Settings changed = defaults;
    changed.CycleMusic = false;
    changed.MusicPath = "/songs/a.mid";
    changed.GraphicsBack = "/pics/sky.bmp";
    changed.GraphicsBackSet = true;
    changed.BoardColor = 0x004080FF;
    changed.NumRows = 9;
    changed.NumRowsSetting = 16;
    const Lines lines = OptionsLines(changed);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[1], "NumRows=16");
    EXPECT_EQ(lines[3], "BoardColor=$004080FF");
    EXPECT_EQ(lines[16], "MusicFile=/songs/a.mid");
    EXPECT_EQ(lines[25], "GraphicsBack=/pics/sky.bmp");
    EXPECT_EQ(lines[26], "GraphicsType=-1");
}

TEST(OptionsFileTest, SaveAndLoadRestoresEverySetting) {
    test::TempFolder folder;
    const std::string path = folder.File("Options.txt");
    Settings saved = DefaultSettings("/x/");
    saved.NumRows = 9;
    saved.NumRowsSetting = 12;
    saved.StartRows = 5;
    saved.BoardColor = 0x80000005;
    saved.Shape = "D";
    saved.Color2 = 9;
    saved.Color6 = 7;
    saved.BadSound = "/s/bad=1.wav";
    saved.CycleMusic = false;
    saved.MusicPath = "/m/song.mid";
    saved.PlayGood = false;
    saved.PlayMusic = true;
    saved.PauseMusic = true;
    saved.Buffered = false;
    saved.UseGraphicsBack = true;
    saved.GraphicsBack = "/b/p.bmp";
    saved.GraphicsBackSet = true;
    saved.GraphicsType = 3;
    saved.Transparent = true;
    saved.RandomMode = true;
    saved.Symbols = true;
    saved.Animations = false;
    ASSERT_TRUE(SaveOptions(path, saved).ok);
    EXPECT_TRUE(
        test::ReadBytes(path).starts_with("; Options for Zorvane v. 1.0 b\r\nNumRows=12\r\n"));

    Settings loaded = DefaultSettings("/other/");
    ASSERT_TRUE(LoadOptions(path, loaded).ok);
    saved.NumRows = 12;  // the file's height becomes this run's too
    EXPECT_EQ(OptionsLines(loaded), OptionsLines(saved));
    EXPECT_EQ(loaded.NumRows, 12);
    EXPECT_EQ(loaded.GraphicsBack, "/b/p.bmp");
    EXPECT_TRUE(loaded.GraphicsBackSet);
}

TEST(OptionsFileTest, ReadingRulesForKeysAndValues) {
    Settings s = DefaultSettings("/p/");
    ReadOptionsLines(
        {"numrows=12", " NumRows=16", "STARTROWS=7", "Shape=c", "Color3=8", "Color12=5", "Color7=9",
         "Color=9", "ColorX=9", "PlayBad=on", "PlayGood=yes", "PauseMusic=True", "BoardColor=clred",
         "BoardColor=nocolour", "GraphicsType=2", "", "; Shape=A", "Unknown=1", "Shape"},
        s);
    EXPECT_EQ(s.NumRows, 12);
    EXPECT_EQ(s.NumRowsSetting, 12);
    EXPECT_EQ(s.StartRows, 7);
    EXPECT_EQ(s.Shape, "");  // the last Shape line had no value
    EXPECT_EQ(s.Color1, 5);
    EXPECT_EQ(s.Color3, 8);
    EXPECT_EQ((std::array{s.Color2, s.Color4, s.Color5, s.Color6}), (std::array{2, 4, 5, 6}));
    EXPECT_FALSE(s.PlayBad);
    EXPECT_TRUE(s.PlayGood);
    EXPECT_TRUE(s.PauseMusic);
    EXPECT_EQ(s.BoardColor, 0x0000FFu);  // the bad colour line changed nothing
    EXPECT_EQ(s.GraphicsType, 2);
}

TEST(OptionsFileTest, NumbersOutsideTheirRangeReadAsValuesTheGameCanUse) {
    struct Case {
        std::string text;
        int startRows;
        int graphicsType;
    };
    const std::vector<Case> cases = {
        {"-2147483648", 1, -1},
        {"$80000000", 1, -1},
        {"-1", 1, -1},
        {"0", 1, 0},
        {"10", 10, -1},
        {"2147483647", 2147483647, -1},
        {"0x7FFFFFFF", 2147483647, -1},
    };
    for (const Case& c : cases) {
        Settings s = DefaultSettings("/p/");
        s.Color2 = 9;  // an earlier choice does not survive a bad value
        Lines lines = {"StartRows=" + c.text, "GraphicsType=" + c.text};
        for (int slot = 1; slot <= 6; ++slot) {
            lines.push_back("Color" + std::to_string(slot) + "=" + c.text);
        }
        ReadOptionsLines(lines, s);
        EXPECT_EQ(s.StartRows, c.startRows) << c.text;
        EXPECT_EQ(s.GraphicsType, c.graphicsType) << c.text;
        // A colour outside the nine is the slot's own, as its pictures show it.
        EXPECT_EQ((std::array{s.Color1, s.Color2, s.Color3, s.Color4, s.Color5, s.Color6}),
                  (std::array{1, 2, 3, 4, 5, 6}))
            << c.text;
    }
}

TEST(OptionsFileTest, MusicPathFollowsCycleMusicAsReadSoFar) {
    Settings s = DefaultSettings("/p/");
    ReadOptionsLines({"CycleMusic=false", "MusicFolder=/folder/", "MusicFile=/one.mid",
                      "CycleMusic=TRUE", "MusicFile=/two.mid"},
                     s);
    EXPECT_EQ(s.MusicPath, "/one.mid");
    EXPECT_EQ(OptionsLines(s)[16], "MusicFolder=/one.mid");
}

TEST(OptionsFileTest, MissingHeaderOnlyAndUnreadableFiles) {
    test::TempFolder folder;
    Settings s = DefaultSettings("/p/");
    const FileResult missing = LoadOptions(folder.File("Options.txt"), s);
    EXPECT_TRUE(missing.ok);
    EXPECT_TRUE(missing.missing);
    EXPECT_EQ(OptionsLines(s), OptionsLines(DefaultSettings("/p/")));

    test::WriteBytes(folder.File("Options.txt"), "; Options for Zorvane v. 1.0 b\n\x1AShape=A\r\n");
    EXPECT_TRUE(LoadOptions(folder.File("Options.txt"), s).ok);
    EXPECT_EQ(OptionsLines(s), OptionsLines(DefaultSettings("/p/")));

    const FileResult unreadable = LoadOptions(folder.Path().string(), s);
    EXPECT_FALSE(unreadable.ok);
    EXPECT_FALSE(unreadable.missing);
}

TEST(OptionsFileTest, SettingsColorSlots) {
    Settings s;
    s.Color(4) = 9;
    EXPECT_EQ(s.Color4, 9);
    EXPECT_EQ(std::as_const(s).Color(6), 6);
    EXPECT_THROW(s.Color(0), std::out_of_range);
    EXPECT_THROW(std::as_const(s).Color(7), std::out_of_range);
}

}  // namespace
}  // namespace zorvane
