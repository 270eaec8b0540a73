// The layout of a .vkf test file: twelve lines in a fixed order, each but the
// first starting with its key. Keys are given as the bytes the file holds
// (code page 1252: E4 is "ä", F6 is "ö").
#pragma once

#include <QByteArrayView>

#include <array>

namespace kaldoventri::testfile {

inline constexpr QByteArrayView MagicLine = "Kaldoventri";
inline constexpr QByteArrayView KeyNormal = "Normal";
inline constexpr QByteArrayView KeySpridarFabrikat = "SpridarFabrikat";
inline constexpr QByteArrayView KeySpridarModell = "SpridarModell";
inline constexpr QByteArrayView KeySpridarInstallning = "SpridarInst\xE4llning";
inline constexpr QByteArrayView KeyArbetsbredd = "Arbetsbredd";
inline constexpr QByteArrayView KeyGodselFabrikat = "G\xF6" "dselFabrikat";
inline constexpr QByteArrayView KeyGodselMedel = "G\xF6" "dselMedel";
inline constexpr QByteArrayView KeyProduktionsplats = "Produktionsplats";
inline constexpr QByteArrayView SeparatorLine = "----------------------------------------------------------";
inline constexpr QByteArrayView KeyABredd = "ABredd";
inline constexpr QByteArrayView KeyBackuppstallning = "Backuppst\xE4llning";

// An optional thirteenth line, written for racetrack sheets only, so that a
// back-and-forth file stays as it always was.
inline constexpr QByteArrayView KeyKormonster = "K\xF6rm\xF6nster";
inline constexpr QByteArrayView RacetrackValue = "Varv";

// An optional line after them for a sheet that was not typed in, such as the
// mean of replicates: "Ursprung,Medelvärde av Blad1, Blad2".
inline constexpr QByteArrayView KeyUrsprung = "Ursprung";

inline constexpr int LineCount = 12;

// The first field each of lines 2..12 must have, line 2 first.
inline constexpr std::array<QByteArrayView, LineCount - 1> LineKeys = {
    KeyNormal,      KeySpridarFabrikat, KeySpridarModell,    KeySpridarInstallning,
    KeyArbetsbredd, KeyGodselFabrikat,  KeyGodselMedel,      KeyProduktionsplats,
    SeparatorLine,  KeyABredd,          KeyBackuppstallning,
};

inline constexpr QByteArrayView LineEnd = "\r\n";
inline constexpr char TextEnd = 0x1A;

inline constexpr bool IsFieldSeparator(char c) { return c == ',' || c == ' '; }

// Longest line a test file may hold. The program never writes one near it (a
// text field holds at most 32767 characters); a longer line is not a test
// file, which keeps a damaged or hostile file from filling the memory.
inline constexpr qsizetype MaxLineBytes = qsizetype{1} << 20;

// True when line `lineNumber` (1..12) has the shape of that line: the magic
// text as the whole first line, the expected key as the first field of the
// others. Values are not looked at.
bool LineHasShape(int lineNumber, QByteArrayView line);

// True when the first bytes of a file begin the way a test file's first line
// does ("Kaldoventri", also with a version after a comma, or after a UTF-8
// byte-order mark): a file an output must never replace.
bool StartsLikeTestFile(QByteArrayView firstBytes);

}  // namespace kaldoventri::testfile
