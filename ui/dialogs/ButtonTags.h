// Icon tags of skinned push buttons.
//
// A push button's caption may begin with a tag such as "<Ok>": the painter then draws icon
// number `index` of the skin's "ButtonIcons" strip and leaves the tag out of the text. The tags in
// icon order are "<Ok>", "<Cancel>", "<Down>", "<Up>", "<Browse>", "<DelAll>", "<DelSel>",
// "<Help>", "<Refresh>", "<Add>", "<Color>", "<GoTo>", "<CopyFiles>", "<MoveFiles>", "<Edit>",
// "<Copy>", "<Font>", "<Zoom>", "<Crop>". Tags compare case-sensitively.
#pragma once

#include <cstddef>
#include <string>

namespace zentrova {

constexpr int kButtonTagCount = 19;
// Icon indexes of the tags the program's own dialogs use.
constexpr int kTagOk = 0;
constexpr int kTagCancel = 1;
constexpr int kTagBrowse = 4;
constexpr int kTagHelp = 7;
constexpr int kTagRefresh = 8;
constexpr int kTagColor = 10;

// A caption read for tagging holds at most this many characters; one read for painting at most
// kPaintCaptionChars.
constexpr size_t kTagCaptionChars = 239;
constexpr size_t kPaintCaptionChars = 259;

// The tag of icon index ("<Ok>" for 0); an empty text for any index outside 0..18.
const wchar_t* ButtonTagText(int index);

// The icon index of the tag that caption begins with, or -1 when it begins with none. When found
// and tagLength is given, it receives the tag's length in characters.
int FindButtonTag(const wchar_t* caption, size_t* tagLength);

// The caption with the tag of index put in front of it (the caption cut to kTagCaptionChars
// characters first). An index without a tag leaves the (cut) caption as it is.
std::wstring TaggedCaption(int index, const wchar_t* caption);

}  // namespace zentrova
