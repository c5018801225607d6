#pragma once

// Makes the face the lessons ask for, "ＭＳ ゴシック", resolve to an installed fixed-width
// Japanese face (MS Gothic where it exists, else IPAGothic, Noto Sans Mono CJK JP, ...).
void registerFontSubstitutions();
