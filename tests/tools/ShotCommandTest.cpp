// The skin tool's shot command, run as a program: window sizes, geometry, states and its failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "map/codec/PngDecoder.h"
#include "core/FileStreams.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

namespace {

const std::string kShotTool = std::string(QUADRIMO_BIN_DIR) + "/quadrimo-skin shot ";

struct Shot {
    ProgramResult Run;
    Bitmap32 Picture;
    QJsonObject Geometry;
};

Shot TakeShot(const TempFolder& folder, const std::string& args) {
    Shot shot;
    const std::string png = folder / "shot.png";
    const std::string json = folder / "shot.json";
    std::filesystem::remove(png);
    std::filesystem::remove(json);
    shot.Run = RunProgram(kShotTool + args + " --out " + png + " --geometry " + json);
    if (shot.Run.Status == 0) {
        shot.Picture = DecodePng(ReadWholeFile(png));
        const std::vector<uint8_t> text = ReadWholeFile(json);
        shot.Geometry = QJsonDocument::fromJson(
                            QByteArray(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size())))
                            .object();
    }
    return shot;
}

QJsonObject Control(const QJsonObject& geometry, const QString& name) {
    for (const QJsonValue& control : geometry[QStringLiteral("controls")].toArray())
        if (control[QStringLiteral("name")].toString() == name) return control.toObject();
    return {};
}

// Pixels that differ between two pictures of one size: inside a control's rectangle, elsewhere in
// the client area, and on the frame around it.
struct Changes {
    int Inside = 0;
    int Outside = 0;
    int Frame = 0;
};

Changes Compare(const Bitmap32& a, const Bitmap32& b, const QJsonObject& geometry, const QJsonObject& rect) {
    const int left = rect[QStringLiteral("x")].toInt();
    const int top = rect[QStringLiteral("y")].toInt();
    const int right = left + rect[QStringLiteral("width")].toInt();
    const int bottom = top + rect[QStringLiteral("height")].toInt();
    const QJsonObject frame = geometry[QStringLiteral("frame")].toObject();
    const int border = frame[QStringLiteral("B")].toInt();
    const int clientTop = border + frame[QStringLiteral("C")].toInt();
    Changes changes;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            if (a.At(x, y) == b.At(x, y)) continue;
            if (x >= left && x < right && y >= top && y < bottom)
                ++changes.Inside;
            else if (x < border || x >= a.Width() - border || y < clientTop || y >= a.Height() - border)
                ++changes.Frame;
            else
                ++changes.Outside;
        }
    return changes;
}

}  // namespace

TEST(ShotCommand, MainWindowIsTheWholeWindowWithTheControlsWhereTheFormPutsThem) {
    TempFolder folder;
    const Shot shot = TakeShot(folder, "--form main");
    ASSERT_EQ(shot.Run.Status, 0) << shot.Run.Out;
    EXPECT_EQ(shot.Picture.Width(), 399);
    EXPECT_EQ(shot.Picture.Height(), 223);
    EXPECT_EQ(PixelAlpha(shot.Picture.At(0, 0)), 0);  // a cut corner of the window region
    EXPECT_EQ(PixelAlpha(shot.Picture.At(2, 0)), 255);
    const QJsonObject& g = shot.Geometry;
    EXPECT_EQ(g[QStringLiteral("class")].toString(), QStringLiteral("TForm2"));
    EXPECT_EQ(g[QStringLiteral("skin")].toString(), QStringLiteral("Glimmer (internal)"));
    EXPECT_EQ(g[QStringLiteral("width")].toInt(), 399);
    EXPECT_EQ(g[QStringLiteral("height")].toInt(), 223);
    EXPECT_TRUE(g[QStringLiteral("active")].toBool());
    EXPECT_EQ(g[QStringLiteral("focus")].toString(), QStringLiteral("mapTitleEdit"));  // first in tab order
    EXPECT_EQ(g[QStringLiteral("controls")].toArray().size(), 13);
    const QJsonObject button = Control(g, QStringLiteral("sButton1"));
    EXPECT_EQ(button[QStringLiteral("class")].toString(), QStringLiteral("TsButton"));
    EXPECT_EQ(button[QStringLiteral("x")].toInt(), 3 + 8);  // the client begins at (B, B + C)
    EXPECT_EQ(button[QStringLiteral("y")].toInt(), 25 + 143);
    EXPECT_EQ(button[QStringLiteral("width")].toInt(), 289);
    EXPECT_EQ(button[QStringLiteral("height")].toInt(), 25);
    EXPECT_TRUE(button[QStringLiteral("visible")].toBool());
    EXPECT_TRUE(button[QStringLiteral("enabled")].toBool());
    // The skin's rounded corners: three key pixels cut from the outer rows, one from the next two.
    // In the picture's coordinates, like the control's own rectangle.
    const QJsonArray expectedShape = {QJsonArray{3 + 11, 25 + 143, 283, 1}, QJsonArray{3 + 9, 25 + 144, 287, 2},
                                      QJsonArray{3 + 8, 25 + 146, 289, 19}, QJsonArray{3 + 9, 25 + 165, 287, 2},
                                      QJsonArray{3 + 11, 25 + 167, 283, 1}};
    EXPECT_EQ(button[QStringLiteral("region")].toArray(), expectedShape);
}

// The test skin has no frame sections: the platform keeps the frame and the picture is the client.
TEST(ShotCommand, AboutWindowWithASkinFolder) {
    TempFolder folder;
    const Shot shot = TakeShot(folder, std::string(QUADRIMO_SOURCE_DIR) + "/tests/data/skin/basic --form about");
    ASSERT_EQ(shot.Run.Status, 0) << shot.Run.Out;
    EXPECT_EQ(shot.Picture.Width(), 428);
    EXPECT_EQ(shot.Picture.Height(), 334);
    EXPECT_EQ(shot.Geometry[QStringLiteral("class")].toString(), QStringLiteral("TAboutForm"));
    EXPECT_EQ(shot.Geometry[QStringLiteral("skin")].toString(), QStringLiteral("basic"));
    EXPECT_FALSE(Control(shot.Geometry, QStringLiteral("sLabel2"))[QStringLiteral("enabled")].toBool());
}

// Each state changes its control's pixels and nothing else of the client; only deactivation
// changes the frame too.
TEST(ShotCommand, StatesChangeOnlyTheirControl) {
    TempFolder folder;
    const struct {
        const char* Form;
        const char* Args;
        const char* Control;
        bool FrameChanges;
    } cases[] = {
        {"main", "--hover sButton1", "sButton1", false},
        {"main", "--down sButton2", "sButton2", false},
        {"main", "--disable pathEdit", "pathEdit", false},
        {"main", "--text mapTitleEdit=Plan", "mapTitleEdit", false},
        {"main", "--hover bgColor", "bgColor", false},  // the drop-down button's hot look
        {"main", "--progress 50/100", "Progress", false},
        {"main", "--inactive", "mapTitleEdit", true},  // the focused edit's caret and frame go
        {"about", "--hover sWebLabel1", "sWebLabel1", false},
        {"about", "--press sButton1", "sButton1", false},
    };
    std::map<std::string, Bitmap32> plain;
    for (const char* form : {"main", "about"}) {
        const Shot shot = TakeShot(folder, std::string("--form ") + form);
        ASSERT_EQ(shot.Run.Status, 0) << shot.Run.Out;
        plain[form] = shot.Picture;
    }
    for (const auto& c : cases) {
        const Shot shot = TakeShot(folder, std::string("--form ") + c.Form + " " + c.Args);
        ASSERT_EQ(shot.Run.Status, 0) << c.Args << ": " << shot.Run.Out;
        const Changes changes = Compare(plain[c.Form], shot.Picture, shot.Geometry,
                                        Control(shot.Geometry, QString::fromLatin1(c.Control)));
        EXPECT_GT(changes.Inside, 0) << c.Args;
        EXPECT_EQ(changes.Outside, 0) << c.Args;
        EXPECT_EQ(changes.Frame > 0, c.FrameChanges) << c.Args << ": " << changes.Frame;
    }
}

QJsonObject FrameButton(const QJsonObject& geometry, const QString& name) {
    for (const QJsonValue& button : geometry[QStringLiteral("frame")][QStringLiteral("buttons")].toArray())
        if (button[QStringLiteral("name")].toString() == name) return button.toObject();
    return {};
}

// The pointer on a caption button changes that button's pixels only, and the geometry tells its state.
TEST(ShotCommand, CaptionButtonStatesChangeOnlyTheirButton) {
    TempFolder folder;
    const Shot plain = TakeShot(folder, "--form main");
    ASSERT_EQ(plain.Run.Status, 0) << plain.Run.Out;
    const struct {
        const char* Args;
        const char* Button;
        int State;
    } cases[] = {
        {"--hover-frame close", "close", 1},
        {"--press-frame close", "close", 2},
        {"--hover-frame minimize", "minimize", 1},
    };
    for (const auto& c : cases) {
        const Shot shot = TakeShot(folder, std::string("--form main ") + c.Args);
        ASSERT_EQ(shot.Run.Status, 0) << c.Args << ": " << shot.Run.Out;
        const QJsonObject button = FrameButton(shot.Geometry, QString::fromLatin1(c.Button));
        EXPECT_EQ(button[QStringLiteral("state")].toInt(), c.State) << c.Args;
        const Changes changes = Compare(plain.Picture, shot.Picture, shot.Geometry, button);
        EXPECT_GT(changes.Inside, 0) << c.Args;
        EXPECT_EQ(changes.Outside + changes.Frame, 0) << c.Args;
    }
    const ProgramResult run = RunProgram(kShotTool + "--form main --hover-frame maximize --out " + (folder / "x.png"));
    EXPECT_EQ(run.Status, 3);
    EXPECT_NE(run.Out.find("has no maximize button"), std::string::npos) << run.Out;
}

TEST(ShotCommand, GeometryTellsFocusActivationAndEnabledState) {
    TempFolder folder;
    const Shot shot = TakeShot(folder, "--form main --inactive --focus sButton2 --disable sButton1");
    ASSERT_EQ(shot.Run.Status, 0) << shot.Run.Out;
    EXPECT_FALSE(shot.Geometry[QStringLiteral("active")].toBool());
    EXPECT_EQ(shot.Geometry[QStringLiteral("focus")].toString(), QStringLiteral("sButton2"));
    EXPECT_FALSE(Control(shot.Geometry, QStringLiteral("sButton1"))[QStringLiteral("enabled")].toBool());
}

TEST(ShotCommand, FailuresExitWithTheirCodeAndSayWhy) {
    TempFolder folder;
    const struct {
        std::string Args;
        int Status;
        const char* Message;
    } cases[] = {
        {"", 2, "--form is missing"},
        {"--form settings", 2, "unknown form \"settings\""},
        {"--form main --bogus", 2, "unknown option --bogus"},
        {"--form main --progress 5/x", 2, "--progress wants POS/MAX"},
        {"--form main --progress 101/100", 2, "POS between 0 and MAX"},
        {"--form main --text mapTitleEdit", 2, "--text wants NAME=TEXT"},
        {"--form main --hover sButton1 --press sButton2", 2, "over one control only"},
        {"--form main --hover sButton9", 3, "the main window has no control \"sButton9\""},
        {"--form about --progress 1/2", 3, "the about window has no progress bar"},
        {"--form main --down sLabel3", 3, "sLabel3 has no Down property"},
        {"--form main --color 0x0000FF", 2, "it needs --form color"},
        {"--form color --color 0x1000000", 2, "--color wants an RGB colour"},
        {"--form color --color red", 2, "--color wants an RGB colour"},
        {"--form main --path " + folder.Path().string(), 2, "it needs --form folder"},
        {"--form folder --path " + (folder / "missing"), 2, "--path wants an existing folder"},
        {"--form main --dropdown sLabel1", 3, "sLabel1 has no list to drop down"},
        {"--form main --disable bgColor --dropdown bgColor", 3, "bgColor cannot drop its list down"},
        {"--form main --focus Progress", 3, "Progress never takes the keyboard focus"},
        {"--form main --disable sButton2 --focus sButton2", 3, "sButton2 cannot take the keyboard focus"},
        {folder / "missing.qrv" + " --form main", 1, "no skin at"},
        {folder.Path().string() + " --form main", 1, "no Options.dat"},
    };
    for (const auto& c : cases) {
        const std::string png = folder / "failed.png";
        const ProgramResult run = RunProgram(kShotTool + c.Args + " --out " + png);
        EXPECT_EQ(run.Status, c.Status) << c.Args << ": " << run.Out;
        EXPECT_NE(run.Out.find(c.Message), std::string::npos) << c.Args << ": " << run.Out;
        EXPECT_FALSE(std::filesystem::exists(png)) << c.Args;
    }
}

TEST(ShotCommand, ColourDialogOpensForTheAskedColour) {
    TempFolder folder;
    const struct {
        const char* Color;
        QStringList Texts;  // hex, decimal, H, S, B, red, green, blue
        bool MarkerTopLeft;
        int BarRow;
    } cases[] = {
        {"0x0000FF", {"FF0000", "255", "0", "100", "100", "255", "0", "0"}, true, -1},
        {"0xFFFFFF", {"FFFFFF", "16777215", "0", "0", "100", "255", "255", "255"}, false, 0},
        {"0x804020", {"204080", "8405024", "220", "75", "50", "32", "64", "128"}, false, -1},
    };
    const char* fields[] = {"sEditHex", "sEditDecimal", "sHEdit", "sSEdit", "sVEdit", "sREdit", "sGEdit", "sBEdit"};
    for (const auto& c : cases) {
        const Shot shot = TakeShot(folder, std::string("--form color --color ") + c.Color);
        ASSERT_EQ(shot.Run.Status, 0) << c.Color << ": " << shot.Run.Out;
        const QJsonObject& g = shot.Geometry;
        EXPECT_EQ(g[QStringLiteral("class")].toString(), QStringLiteral("TsColorDialogForm"));
        EXPECT_EQ(shot.Picture.Width(), g[QStringLiteral("width")].toInt());
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(Control(g, QString::fromLatin1(fields[i]))[QStringLiteral("text")].toString(), c.Texts[i])
                << c.Color << " " << fields[i];
        }
        const QJsonObject field = Control(g, QStringLiteral("ColorPanel"));
        const QJsonObject marker = g[QStringLiteral("fieldMarker")].toObject();
        const bool topLeft = marker[QStringLiteral("x")] == field[QStringLiteral("x")] &&
                             marker[QStringLiteral("y")] == field[QStringLiteral("y")];
        EXPECT_EQ(topLeft, c.MarkerTopLeft) << c.Color;
        const QJsonObject bar = g[QStringLiteral("barMarker")].toObject();
        const QJsonObject gradient = Control(g, QStringLiteral("GradPanel"));
        EXPECT_EQ(bar[QStringLiteral("y")].toInt(),
                  gradient[QStringLiteral("y")].toInt() + bar[QStringLiteral("row")].toInt());
        if (c.BarRow >= 0) {
            EXPECT_EQ(bar[QStringLiteral("row")].toInt(), c.BarRow) << c.Color;
        }
    }
}

TEST(ShotCommand, DroppedDownColourListShowsItsRowsBelowTheBox) {
    TempFolder folder;
    const Shot plain = TakeShot(folder, "--form main");
    const Shot shot = TakeShot(folder, "--form main --dropdown bgColor");
    ASSERT_EQ(shot.Run.Status, 0) << shot.Run.Out;
    const QJsonObject box = Control(shot.Geometry, QStringLiteral("bgColor"));
    const QJsonArray items = box[QStringLiteral("items")].toArray();
    ASSERT_EQ(items.size(), 21);
    EXPECT_EQ(items[0][QStringLiteral("caption")].toString(), QStringLiteral("Custom..."));
    EXPECT_EQ(items[9][QStringLiteral("caption")].toString(), QStringLiteral("Silver"));
    EXPECT_EQ(items[10][QStringLiteral("color")].toInteger(), 0xFF);  // Red, red in the low byte
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i][QStringLiteral("selected")].toBool(), i == 16) << i;
    }
    EXPECT_EQ(box[QStringLiteral("selected")].toInteger(), 0xFFFFFF);
    // Eight rows ending with the selected White: Red's swatch shows below the box.
    const int left = box[QStringLiteral("x")].toInt();
    const int below = box[QStringLiteral("y")].toInt() + box[QStringLiteral("height")].toInt();
    int red = 0;
    for (int y = below; y < shot.Picture.Height(); ++y)
        for (int x = left; x < left + box[QStringLiteral("width")].toInt(); ++x) {
            red += (shot.Picture.At(x, y) & 0xFFFFFFu) == 0xFF0000u;
            EXPECT_NE(plain.Picture.At(x, y) & 0xFFFFFFu, 0xFF0000u);
        }
    EXPECT_GT(red, 20);
}

// The tree opens expanded down to the asked folder, which is selected; a real folder enables OK and Create.
TEST(ShotCommand, FolderDialogOpensAtTheAskedFolder) {
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "a" / "b" / "c");
    const Shot shot = TakeShot(folder, "--form folder --path " + (folder / "a/b"));
    ASSERT_EQ(shot.Run.Status, 0) << shot.Run.Out;
    const QJsonObject& g = shot.Geometry;
    EXPECT_EQ(g[QStringLiteral("class")].toString(), QStringLiteral("TPathDialogForm"));
    EXPECT_TRUE(g[QStringLiteral("frame")][QStringLiteral("drawn")].toBool());
    const QJsonArray nodes = Control(g, QStringLiteral("sShellTreeView1"))[QStringLiteral("nodes")].toArray();
    int selected = -1;
    for (int i = 0; i < nodes.size(); ++i)
        if (nodes[i][QStringLiteral("selected")].toBool()) {
            EXPECT_EQ(selected, -1) << "a second selected node " << i;
            selected = i;
        }
    ASSERT_GE(selected, 0);
    EXPECT_EQ(nodes[selected][QStringLiteral("caption")].toString(), QStringLiteral("b"));
    // Walking up: each nearest node one level higher is an expanded ancestor, down to the top;
    // the folder path's own names are among them.
    const int depth = nodes[selected][QStringLiteral("depth")].toInt();
    QStringList ancestors;
    for (int i = selected - 1, want = depth - 1; i >= 0 && want >= 0; --i) {
        if (nodes[i][QStringLiteral("depth")].toInt() != want) continue;
        const QString caption = nodes[i][QStringLiteral("caption")].toString();
        EXPECT_TRUE(nodes[i][QStringLiteral("expanded")].toBool()) << caption.toStdString();
        ancestors.prepend(caption);
        --want;
    }
    ASSERT_EQ(ancestors.size(), depth);
    EXPECT_EQ(ancestors.last(), QStringLiteral("a"));
    EXPECT_TRUE(ancestors.contains(QString::fromStdString(folder.Path().filename().string())));
    for (const char* button : {"sBitBtn1", "sBitBtn3"}) {
        EXPECT_TRUE(Control(g, QString::fromLatin1(button))[QStringLiteral("enabled")].toBool()) << button;
    }
}

// Every control of the dialogs is the program's own, none a plain platform widget.
TEST(ShotCommand, TheDialogsListNoPlainWidget) {
    TempFolder folder;
    for (const char* form : {"color", "folder"}) {
        const Shot shot = TakeShot(folder, std::string("--form ") + form);
        ASSERT_EQ(shot.Run.Status, 0) << form << ": " << shot.Run.Out;
        const QJsonArray controls = shot.Geometry[QStringLiteral("controls")].toArray();
        EXPECT_GT(controls.size(), 3) << form;
        for (const QJsonValue& control : controls) {
            const QString name = control[QStringLiteral("name")].toString();
            const QString type = control[QStringLiteral("class")].toString();
            EXPECT_TRUE(type.startsWith(QLatin1Char('T'))) << form << " " << name.toStdString() << ": " << type.toStdString();
        }
    }
}
