// Colour codes as the forms use them: a system colour is &H80000000 plus the
// Windows colour index (&H80000005 window background, &H80000008 window text,
// &H8000000F button face, &H80000013 the read-only text colour, ...); any
// other code is a plain colour 0x00BBGGRR. Codes are what code reads back;
// the widget shows the resolved colour.
#pragma once
#include <QColor>
#include <QPalette>

namespace kalvex {

namespace VbColor {
constexpr quint32 ScrollBars = 0x80000000u;
constexpr quint32 Desktop = 0x80000001u;
constexpr quint32 ActiveTitleBar = 0x80000002u;
constexpr quint32 InactiveTitleBar = 0x80000003u;
constexpr quint32 MenuBar = 0x80000004u;
constexpr quint32 WindowBackground = 0x80000005u;
constexpr quint32 WindowFrame = 0x80000006u;
constexpr quint32 MenuText = 0x80000007u;
constexpr quint32 WindowText = 0x80000008u;
constexpr quint32 TitleBarText = 0x80000009u;
constexpr quint32 ActiveBorder = 0x8000000Au;
constexpr quint32 InactiveBorder = 0x8000000Bu;
constexpr quint32 ApplicationWorkspace = 0x8000000Cu;
constexpr quint32 Highlight = 0x8000000Du;
constexpr quint32 HighlightText = 0x8000000Eu;
constexpr quint32 ButtonFace = 0x8000000Fu;
constexpr quint32 ButtonShadow = 0x80000010u;
constexpr quint32 GrayText = 0x80000011u;
constexpr quint32 ButtonText = 0x80000012u;
constexpr quint32 InactiveCaptionText = 0x80000013u;
constexpr quint32 ThreeDHighlight = 0x80000014u;
constexpr quint32 ThreeDDKShadow = 0x80000015u;
constexpr quint32 ThreeDLight = 0x80000016u;
constexpr quint32 InfoText = 0x80000017u;
constexpr quint32 InfoBackground = 0x80000018u;
constexpr quint32 Red = 0x000000FFu;
} // namespace VbColor

inline bool vbl_color_isSystem(quint32 code) { return (code & 0x80000000u) != 0; }

// The colour a code stands for; system colours come from the palette given
// (the application's by default).
QColor vbl_color_resolve(quint32 code);
QColor vbl_color_resolve(quint32 code, const QPalette& palette);

// 0x00BBGGRR of a plain colour.
quint32 vbl_color_fromQColor(const QColor& c);

} // namespace kalvex
