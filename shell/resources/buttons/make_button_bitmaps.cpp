// Builds the button bar's four bitmaps from their text descriptions; run on
// the build machine (compiled with its own compiler) when the text changes.
//   make_button_bitmaps faces.txt letters.txt out-folder
// faces.txt: "face <code> <name>" and 19 rows of 19 colour characters for
// each of the 19 commands; letters.txt: "letter <A-Z>" and 8 rows of 8,
// '#' ink and '.' background. Out come htbuttons.bmp (the faces, code k at
// x = 25 (k - 1)), zrgbuttons.bmp (the same faces greyed: their dark pixels
// dark grey with a white one below right where that stays empty, their
// light ones gone),
// altkeys.bmp (black letters) and ctlkeys.bmp (navy letters), letter L at
// x = 8 (L - 1): 16-colour bitmaps on the standard palette.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kFace = 19, kFaceStep = 25, kFaces = 19;
constexpr int kLetter = 8, kLetters = 26;
constexpr int kBackground = 7, kBlack = 0, kNavy = 4, kDarkGrey = 8, kWhite = 15;

// The sixteen colours of the standard palette, in palette order, and the
// character that names each in faces.txt.
constexpr struct {
  char Name;
  uint8_t R, G, B;
} kPalette[16] = {
    {'k', 0, 0, 0},       {'R', 128, 0, 0},   {'D', 0, 128, 0},   {'Y', 128, 128, 0},
    {'B', 0, 0, 128},     {'M', 128, 0, 128}, {'C', 0, 128, 128}, {'.', 192, 192, 192},
    {'g', 128, 128, 128}, {'r', 255, 0, 0},   {'G', 0, 255, 0},   {'y', 255, 255, 0},
    {'b', 0, 0, 255},     {'m', 255, 0, 255}, {'c', 0, 255, 255}, {'w', 255, 255, 255},
};

struct Image {
  int Width, Height;
  std::vector<uint8_t> Pixels;  // palette indexes, top row first
  Image(int w, int h) : Width(w), Height(h), Pixels(static_cast<size_t>(w) * h, kBackground) {}
  uint8_t& At(int x, int y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

[[noreturn]] void Fail(const std::string& what) {
  std::cerr << "make_button_bitmaps: " << what << "\n";
  std::exit(1);
}

int ColourOf(char c, const std::string& where) {
  for (int i = 0; i < 16; ++i)
    if (kPalette[i].Name == c) return i;
  Fail(where + ": no colour is named '" + std::string(1, c) + "'");
}

// The blocks of a description: a header line ("face 3 Copy") and the rows
// after it; blank lines and lines starting with ';' are skipped.
struct Block {
  std::string Kind, Id;
  std::vector<std::string> Rows;
  int Line;
};

std::vector<Block> ReadBlocks(const char* path) {
  std::ifstream in(path);
  if (!in) Fail(std::string("cannot read ") + path);
  std::vector<Block> blocks;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line.rfind("face ", 0) == 0 || line.rfind("letter ", 0) == 0) {
      std::istringstream words(line);
      Block b;
      words >> b.Kind >> b.Id;
      b.Line = n;
      blocks.push_back(b);
    } else if (blocks.empty()) {
      Fail(std::string(path) + ":" + std::to_string(n) + ": a row before any face or letter");
    } else {
      blocks.back().Rows.push_back(line);
    }
  }
  return blocks;
}

void Draw(Image& image, const Block& b, int size, int x0, const char* path,
          int (*colour)(char, const std::string&)) {
  const std::string where = std::string(path) + ":" + std::to_string(b.Line);
  if (static_cast<int>(b.Rows.size()) != size)
    Fail(where + ": wants " + std::to_string(size) + " rows");
  for (int y = 0; y < size; ++y) {
    if (static_cast<int>(b.Rows[y].size()) != size) {
      Fail(where + ": row " + std::to_string(y + 1) + " wants " + std::to_string(size) +
           " characters");
    }
    for (int x = 0; x < size; ++x)
      image.At(x0 + x, y) = static_cast<uint8_t>(colour(b.Rows[y][x], where));
  }
}

bool Dark(uint8_t index) {
  const auto& c = kPalette[index];
  return c.R * 30 + c.G * 59 + c.B * 11 < 128 * 100;
}

Image Greyed(const Image& faces) {
  Image grey(faces.Width, faces.Height);
  Image source = faces;
  for (int y = 0; y < faces.Height; ++y)
    for (int x = 0; x < faces.Width; ++x)
      if (Dark(source.At(x, y))) grey.At(x, y) = kDarkGrey;
  for (int y = 0; y + 1 < faces.Height; ++y)
    for (int x = 0; x + 1 < faces.Width; ++x)
      if (Dark(source.At(x, y)) && grey.At(x + 1, y + 1) == kBackground)
        grey.At(x + 1, y + 1) = kWhite;
  return grey;
}

void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void WriteBitmap(const Image& image, const std::string& path) {
  const int rowBytes = ((image.Width + 1) / 2 + 3) / 4 * 4;
  const unsigned offset = 14 + 40 + 16 * 4;
  const unsigned size = offset + static_cast<unsigned>(rowBytes * image.Height);
  std::string out;
  out += "BM";
  Put32(out, size);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, image.Width);
  Put32(out, image.Height);
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, static_cast<unsigned>(rowBytes * image.Height));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 16);
  Put32(out, 0);
  for (const auto& c : kPalette) {
    out += static_cast<char>(c.B);
    out += static_cast<char>(c.G);
    out += static_cast<char>(c.R);
    out += '\0';
  }
  Image copy = image;
  for (int y = image.Height - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (int x = 0; x < image.Width; ++x) {
      const uint8_t v = copy.At(x, y);
      row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? v : v << 4));
    }
    out += row;
  }
  std::ofstream file(path, std::ios::binary);
  if (!file.write(out.data(), static_cast<std::streamsize>(out.size())))
    Fail("cannot write " + path);
}

int InkOrBackground(char c, const std::string& where) {
  if (c == '#') return kBlack;
  if (c == '.') return kBackground;
  Fail(where + ": letters use only '#' and '.'");
}

Image Recoloured(Image image, uint8_t ink) {
  for (uint8_t& p : image.Pixels)
    if (p == kBlack) p = ink;
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) Fail("usage: make_button_bitmaps faces.txt letters.txt out-folder");
  const std::string out = argv[3];

  Image faces(kFaceStep * kFaces, kFace);
  std::vector<bool> seen(kFaces + 1);
  for (const Block& b : ReadBlocks(argv[1])) {
    const int code = b.Kind == "face" ? std::atoi(b.Id.c_str()) : 0;
    if (code < 1 || code > kFaces || seen[code])
      Fail(std::string(argv[1]) + ":" + std::to_string(b.Line) + ": a face wants a new code 1-19");
    seen[code] = true;
    Draw(faces, b, kFace, kFaceStep * (code - 1), argv[1], ColourOf);
  }
  for (int code = 1; code <= kFaces; ++code)
    if (!seen[code]) Fail("face " + std::to_string(code) + " is missing");

  Image letters(kLetter * kLetters + 1, kLetter);
  std::vector<bool> have(kLetters + 1);
  for (const Block& b : ReadBlocks(argv[2])) {
    const int letter = b.Kind == "letter" && b.Id.size() == 1 ? b.Id[0] - 'A' + 1 : 0;
    if (letter < 1 || letter > kLetters || have[letter])
      Fail(std::string(argv[2]) + ":" + std::to_string(b.Line) + ": a letter wants a new name A-Z");
    have[letter] = true;
    Draw(letters, b, kLetter, kLetter * (letter - 1), argv[2], InkOrBackground);
  }
  for (int letter = 1; letter <= kLetters; ++letter)
    if (!have[letter])
      Fail(std::string("letter ") + static_cast<char>('A' + letter - 1) + " is missing");

  WriteBitmap(faces, out + "/htbuttons.bmp");
  WriteBitmap(Greyed(faces), out + "/zrgbuttons.bmp");
  WriteBitmap(letters, out + "/altkeys.bmp");
  WriteBitmap(Recoloured(letters, kNavy), out + "/ctlkeys.bmp");
  return 0;
}
