#pragma once
#include <QString>
#include <array>

namespace clavora {

constexpr int CharacterKeyCount = 48;

// The captions of a layout file's character keys and the arrangement its first line picks.
struct KeyCapTable {
    std::array<QString, CharacterKeyCount> lowerCaptions; // unshifted, in caption form
    std::array<QString, CharacterKeyCount> upperCaptions; // shifted, in caption form
    bool extraKey = false;                               // the 48-key arrangement
};

enum class LayoutFileProblem { None, Unreadable, NoSecondLine };

struct LayoutFileContents {
    KeyCapTable table; // always complete: what the file lacks reads as empty captions
    LayoutFileProblem problem = LayoutFileProblem::None;
};

// A character as a caption shows it: labels take a single "&" as an access-key marker.
QString captionForm(const QString& character);

LayoutFileContents readLayoutFile(const QString& path);

} // namespace clavora
