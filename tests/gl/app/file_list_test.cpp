// The saved-file list in a real context: its panel over the tool panel, the
// names drawn in their rows, the pick names of the rows, and a folder with
// more files than rows fit on the screen. The list is drawn from a frame's
// description and picked as the program picks.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "app/gl_frame_renderer.h"
#include "app/screen.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "files/image_folder.h"
#include "files/saved_files.h"
#include "gfx/png_texture.h"
#include "gl_test_support.h"
#include "model/text_format.h"
#include "screen/screen_layout.h"
#include "screen/tool_panel_frame.h"

namespace {

// The tool panel at 1024 x 768 is 256 x 768 pixels: one pixel per layout unit.
constexpr int PanelWidth = 256;
constexpr int PanelHeight = 768;

GLuint atlas() {
  static const GLuint Texture = loadPngTexture(AlphabetAtlasPath).name();
  return Texture;
}

/// The files of the folder \p Pattern as the load Button shows them.
SavedFileWindow shownFiles(const std::string &Pattern) {
  return newestThatFit(scanSavedAlgorithms(Pattern.c_str()), MaxFileListRows);
}

/// A private folder of saved algorithms, removed with everything in it.
class SavedFolder {
public:
  SavedFolder() {
    char Template[] = "/tmp/quovadrin_file_list_XXXXXX";
    const char *Made = mkdtemp(Template);
    Root = Made ? Made : "";
    std::filesystem::create_directory(Root + "/vorpAlgorithms");
  }
  ~SavedFolder() { std::filesystem::remove_all(Root); }
  void add(const std::string &Name) const {
    std::ofstream(Root + "/vorpAlgorithms/" + Name) << "Zeichne Quadrat\r\n";
  }
  /// Adds seed_<1000000000 + I>-a.alg for I = 0 to Count - 1.
  void addNumbered(int Count) const {
    for (int I = 0; I < Count; ++I)
      add(numbered(I));
  }
  static std::string numbered(int I) { return formatText("seed_%i-a.alg", 1000000000 + I); }
  std::string pattern() const { return Root + "/vorpAlgorithms/*.alg"; }
  SavedFileWindow shown() const { return shownFiles(pattern()); }

private:
  std::string Root;
};

/// The list the load Button shows for some files: its place from the layout,
/// its rows as the frame draws them and as the program picks them.
class FileList {
public:
  FileList(GLuint GivenAtlas, SavedFileWindow Files) : Atlas(GivenAtlas) {
    State.Files.List.Files = std::move(Files);
    State.Files.ListVisible = true;
  }
  int entryCount() const { return static_cast<int>(files().Shown.size()); }
  int hiddenCount() const { return files().Hidden; }
  int rowCount() const { return entryCount() + (hiddenCount() > 0 ? 1 : 0); }
  std::string entryName(int Index) const {
    return Index >= 0 && Index < entryCount() ? files().Shown[static_cast<size_t>(Index)] : "";
  }
  int x() const { return fileListRect(rowCount()).X; }
  int y() const { return fileListRect(rowCount()).Y; }
  int width() const { return fileListRect(rowCount()).Width; }
  int height() const { return fileListRect(rowCount()).Height; }

  /// The file entries whose pick rows hold the centre of pixel (X, Y) (one
  /// layout unit here), in drawing order.
  std::vector<int> pick(int X, int Y) const {
    const int FirstEntryRow = rowCount() - entryCount();
    std::vector<int> Names;
    for (int Entry = 0; Entry < entryCount(); ++Entry) {
      const LayoutRect Row = fileListRow(rowCount(), Entry + FirstEntryRow);
      if (X >= Row.X && X < Row.X + Row.Width && Y >= Row.Y && Y < Row.Y + Row.Height)
        Names.push_back(pickValue(PickName::FirstFileEntry) + Entry);
    }
    return Names;
  }
  void draw() const {
    DrawList Frame;
    DrawListBuilder Builder(Frame);
    appendFileList(Builder, files());
    GlFrameRenderer([](PickName) -> GLuint { return 0; }, Atlas, nullptr)
        .draw(Frame, Program.drawing(), State.Layout);
  }

private:
  const SavedFileWindow &files() const { return State.Files.List.Files; }

  GLuint Atlas;
  Session Program{1};
  EditorState State{Program.variables()};
};

std::vector<int> pickList(const FileList &List, int X, int Y) { return List.pick(X, Y); }

/// The single pick name at (X, Y), or -1 when nothing or more than one is hit.
int pickedName(const FileList &List, int X, int Y) {
  auto Names = pickList(List, X, Y);
  return Names.size() == 1 ? Names[0] : -1;
}

void drawInPanel(const FileList &List) {
  startPanelPicture(PanelWidth, PanelHeight);
  List.draw();
}

} // namespace

TEST(FileList, ThreeFilesGrowUpFromTheBottomInNameOrder) {
  SavedFolder Folder;
  Folder.add("seed_1000000300-b.alg");
  Folder.add("seed_1000000100-a.alg");
  Folder.add("seed_1000000200-a.alg");
  Folder.add("notizen.txt");
  FileList List(atlas(), Folder.shown());
  ASSERT_EQ(List.entryCount(), 3);
  EXPECT_EQ(List.rowCount(), 3);
  EXPECT_EQ(List.hiddenCount(), 0);
  EXPECT_EQ(List.entryName(0), "seed_1000000100-a.alg");
  EXPECT_EQ(List.entryName(1), "seed_1000000200-a.alg");
  EXPECT_EQ(List.entryName(2), "seed_1000000300-b.alg");
  EXPECT_EQ(List.entryName(3), "");
  EXPECT_EQ(List.entryName(-1), "");
  EXPECT_EQ(List.x(), 20);
  EXPECT_EQ(List.width(), 200);
  EXPECT_EQ(List.y(), 694);
  EXPECT_EQ(List.height(), 36);

  // Rows of 12 units: entry 0 at the top, entry 2 at the bottom.
  EXPECT_EQ(pickedName(List, 20, 694), 70);
  EXPECT_EQ(pickedName(List, 219, 705), 70);
  EXPECT_EQ(pickedName(List, 100, 706), 71);
  EXPECT_EQ(pickedName(List, 100, 729), 72);
  // Nothing above, below or beside the list.
  EXPECT_TRUE(pickList(List, 100, 693).empty());
  EXPECT_TRUE(pickList(List, 100, 730).empty());
  EXPECT_TRUE(pickList(List, 19, 700).empty());
  EXPECT_TRUE(pickList(List, 220, 700).empty());

  drawInPanel(List);
  // The grey panel right of the names, white around it.
  EXPECT_NEAR(pixelAt(210, 712)[0], 204, 3);
  EXPECT_EQ(pixelAt(100, 690)[0], 255);
  EXPECT_EQ(pixelAt(100, 734)[0], 255);
  EXPECT_EQ(pixelAt(224, 712)[0], 255);
  // Each name lies inside its own row, starting 1.125 units into the panel.
  for (int Row = 0; Row < 3; ++Row) {
    const int Top = 694 + 12 * Row;
    DarkBox Name = darkBoundingBox(21, Top, 198, 12, 110);
    ASSERT_TRUE(Name.Found) << "row " << Row;
    EXPECT_GE(Name.Left, 21);
    EXPECT_LE(Name.Left, 25);
    EXPECT_GT(Name.Right, 140); // 21 characters, about 144 units
    EXPECT_LT(Name.Right, 175);
  }
}

TEST(FileList, EmptyOrMissingFolderGivesAnEmptyList) {
  SavedFolder Folder;
  FileList Empty(atlas(), Folder.shown());
  FileList Missing(atlas(), shownFiles("/nonexistent-quovadrin/vorpAlgorithms/*.alg"));
  for (const FileList *List : {&Empty, &Missing}) {
    EXPECT_EQ(List->entryCount(), 0);
    EXPECT_EQ(List->rowCount(), 0);
    EXPECT_EQ(List->height(), 0);
    EXPECT_EQ(List->y(), 730);
    EXPECT_EQ(List->entryName(0), "");
    EXPECT_TRUE(pickList(*List, 100, 729).empty());
    EXPECT_TRUE(pickList(*List, 100, 730).empty());
  }
  drawInPanel(Empty);
  EXPECT_EQ(darkPixelsIn(0, 600, 256, 768), 0);
}

TEST(FileList, ManyFilesShowTheNewestUnderARowCountingTheOthers) {
  SavedFolder Folder;
  Folder.addNumbered(700);
  FileList List(atlas(), Folder.shown());
  EXPECT_EQ(List.rowCount(), 60);
  EXPECT_EQ(List.entryCount(), 59);
  EXPECT_EQ(List.hiddenCount(), 641);
  EXPECT_EQ(List.y(), 10);
  EXPECT_EQ(List.height(), 720);
  EXPECT_EQ(List.entryName(0), SavedFolder::numbered(641));
  EXPECT_EQ(List.entryName(58), SavedFolder::numbered(699));
  EXPECT_EQ(List.entryName(59), "");

  // The top row only tells; entry 0 is the row below it, the newest file the
  // bottom row (718 to 730).
  EXPECT_TRUE(pickList(List, 100, 10).empty());
  EXPECT_TRUE(pickList(List, 100, 21).empty());
  EXPECT_EQ(pickedName(List, 100, 22), 70);
  EXPECT_EQ(pickedName(List, 100, 718), 128);
  EXPECT_EQ(pickedName(List, 100, 729), 128);
  // No row anywhere carries a pick name past the last entry (666 would quit).
  std::set<GLuint> Seen;
  for (int Y = 0; Y < PanelHeight; ++Y)
    for (int Name : pickList(List, 100, Y))
      Seen.insert(Name);
  ASSERT_FALSE(Seen.empty());
  EXPECT_EQ(*Seen.begin(), 70u);
  EXPECT_EQ(*Seen.rbegin(), 128u);
  EXPECT_EQ(Seen.size(), 59u);

  drawInPanel(List);
  // "(641 aeltere Dateien)" in the top row and a name in every row below it,
  // down to the newest in the bottom row: the names keep to their pick rows
  // all the way down the list.
  for (int Row = 0; Row < 60; ++Row) {
    const int Top = 10 + 12 * Row;
    EXPECT_GT(darkPixelsIn(21, Top, 219, Top + 12), 100) << "row " << Row;
  }
  DarkBox All = darkBoundingBox(0, 0, PanelWidth, PanelHeight, 110);
  ASSERT_TRUE(All.Found);
  EXPECT_GE(All.Top, 10);
  EXPECT_GE(All.Left, 21);
  EXPECT_LT(All.Bottom, 730);
  EXPECT_LT(All.Right, 219);
}

TEST(FileList, SixtyFilesFitAndSixtyOneDoNot) {
  SavedFolder Folder;
  Folder.addNumbered(60);
  FileList Sixty(atlas(), Folder.shown());
  EXPECT_EQ(Sixty.entryCount(), 60);
  EXPECT_EQ(Sixty.hiddenCount(), 0);
  EXPECT_EQ(Sixty.y(), 10);
  EXPECT_EQ(pickedName(Sixty, 100, 10), 70);
  EXPECT_EQ(pickedName(Sixty, 100, 729), 129);
  EXPECT_EQ(Sixty.entryName(59), SavedFolder::numbered(59));

  Folder.add(SavedFolder::numbered(60));
  FileList SixtyOne(atlas(), Folder.shown());
  EXPECT_EQ(SixtyOne.rowCount(), 60);
  EXPECT_EQ(SixtyOne.entryCount(), 59);
  EXPECT_EQ(SixtyOne.hiddenCount(), 2);
  EXPECT_EQ(SixtyOne.y(), 10);
  EXPECT_EQ(SixtyOne.entryName(0), SavedFolder::numbered(2));
  EXPECT_EQ(pickedName(SixtyOne, 100, 729), 128);
}

TEST(FileList, ANewScanShowsANewlySavedFile) {
  SavedFolder Folder;
  Folder.addNumbered(3);
  auto Before = std::make_unique<FileList>(atlas(), Folder.shown());
  EXPECT_EQ(Before->entryCount(), 3);
  Folder.add(SavedFolder::numbered(3));
  // The list shows the folder as it was when it was made.
  EXPECT_EQ(Before->entryCount(), 3);
  FileList After(atlas(), Folder.shown());
  EXPECT_EQ(After.entryCount(), 4);
  EXPECT_EQ(After.y(), 682);
  EXPECT_EQ(After.entryName(3), SavedFolder::numbered(3));
  EXPECT_EQ(pickedName(After, 100, 725), 73);
}

TEST(FileList, NamesStayInsideThePanelAndOnTheirRow) {
  SavedFolder Folder;
  const std::string Long = "seed_" + std::string(60, 'W') + ".alg";
  const std::string Broken = "seed_\x0c"
                             "1000000000-a.alg";
  Folder.add(Long);
  Folder.add(Broken);
  FileList List(atlas(), Folder.shown());
  ASSERT_EQ(List.entryCount(), 2);
  EXPECT_EQ(List.entryName(0), Broken); // the name loads as it is
  EXPECT_EQ(List.entryName(1), Long);
  drawInPanel(List);
  // The long name fills the row up to the panel's right edge, not beyond.
  EXPECT_GT(darkPixelsIn(200, 718, 219, 730), 20);
  EXPECT_EQ(darkPixelsIn(219, 700, 256, 740), 0);
  // The line-break byte does not push the rest of the name onto the next
  // row: the whole name, about 150 units, stays in row 0 (706 to 718).
  DarkBox First = darkBoundingBox(0, 690, 256, 28, 110);
  ASSERT_TRUE(First.Found);
  EXPECT_GE(First.Top, 706);
  EXPECT_GT(First.Right, 150);
}
