// The layout of a .vkf test file: twelve lines in a fixed order, each but the
// first starting with its key. Keys are given as the bytes the program writes
// (code page 1252: E4 is "ä", F6 is "ö").
#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

namespace kaldoventri::testfile {

inline constexpr QByteArrayView MagicLine = "Kaldoventri";
// The first line of a test of an own tray kit: older versions of the program
// refuse such a file as no test file instead of reading its trays wrongly.
inline constexpr QByteArrayView MagicLineOwnKit = "Kaldoventri,2";
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

// The lines of an own kit, after "Backuppställning,2".
inline constexpr QByteArrayView KeyBackpositioner = "Backpositioner";
inline constexpr QByteArrayView KeySokomrade = "S\xF6komr\xE5" "de";
inline constexpr QByteArrayView KeyUppstallningsnamn = "Uppst\xE4llningsnamn";

// An optional line after them for a sheet that was not typed in, such as the
// mean of replicates: "Ursprung,Medelvärde av Blad1, Blad2".
inline constexpr QByteArrayView KeyUrsprung = "Ursprung";

// Optional lines after the layout's (and an own kit's) lines, in any order,
// for a test whose amounts have a unit: "Backyta,0.25" (m² per tray),
// "Enhet,0.1,g" or "Enhet,1,ml", "Densitet,1.05" (kg/l, with ml only) and
// "Målgiva,200" (kg/ha). Numbers with a decimal point, whatever the locale.
inline constexpr QByteArrayView KeyBackyta = "Backyta";
inline constexpr QByteArrayView KeyEnhet = "Enhet";
inline constexpr QByteArrayView KeyDensitet = "Densitet";
inline constexpr QByteArrayView KeyMalgiva = "M\xE5lgiva";
// The test record's lines, after the others and each at most once.
inline constexpr QByteArrayView KeyProvdatum = "Provdatum";
inline constexpr QByteArrayView KeyKund = "Kund";
inline constexpr QByteArrayView KeyProvare = "Provare";
inline constexpr QByteArrayView KeyKorhastighet = "K\xF6rhastighet";
inline constexpr QByteArrayView KeyVarvtal = "Varvtal";
inline constexpr QByteArrayView KeyVind = "Vind";
inline constexpr QByteArrayView KeyAnteckning = "Anteckning";
inline constexpr QByteArrayView UnitGrams = "g";
inline constexpr QByteArrayView UnitMillilitres = "ml";

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

// A file that another editor re-saved as UTF-8, possibly with this mark at
// its start, is read as well; the program itself always writes code page 1252.
inline constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";

enum class TextEncoding { Cp1252, Utf8 };

// The shape check of lines 1..12, which learns the file's encoding on the way:
// the magic text (or that of an own kit's test) as the whole first line (after a byte-order mark, which
// makes the file UTF-8), the expected key as the first field of the others.
// The keys with Swedish letters decide: their code page 1252 bytes are never
// valid UTF-8, so a file is UTF-8 only when those keys are in UTF-8 and every
// one of its first twelve lines is valid UTF-8. Values are not looked at.
class TestFileShape {
public:
    // Line `lineNumber` (1..12); lines must come in file order. False at a misfit.
    bool Take(int lineNumber, QByteArrayView line);

    // Code page 1252 until a line shows the file is UTF-8.
    TextEncoding Encoding() const { return decided.value_or(TextEncoding::Cp1252); }
    // The first line was "Kaldoventri,2": a test of an own tray kit.
    bool OwnKit() const { return ownKit; }

private:
    bool ownKit = false;
    std::optional<TextEncoding> decided;
    bool validUtf8SoFar = true;
};

// A text of the file in its encoding. Bytes that are not valid UTF-8 in a
// UTF-8 file (only possible after the twelfth line) read as U+FFFD.
QString DecodeText(QByteArrayView bytes, TextEncoding encoding);

// True when the first bytes of a file begin the way a test file's first line
// does ("Kaldoventri", also with a version after a comma, or after a UTF-8
// byte-order mark): a file an output must never replace.
bool StartsLikeTestFile(QByteArrayView firstBytes);

}  // namespace kaldoventri::testfile
