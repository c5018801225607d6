#!/bin/sh
# The layers go one way: the models (lessons, catalog, the lesson framework's plain C++) know
# nothing of Qt or of the windows; the lesson window knows nothing of the shell; the
# assignments, the JSON documents and the browser binding know nothing of Qt. Prints each
# include that goes the wrong way and fails when there is one.
set -u
src="$1/src"
failed=0
# The window files of src/lesson: everything else there is the model.
windows="accessibility announcer display_settings enter_key free_place lesson_form lesson_form_access
lesson_form_colours lesson_form_predict lesson_form_trace listing_label mark_painter picture_box
qt_convert question_window text_boundaries trace_item_model trace_window value_box window_zoom"
is_window() {
    base=$(basename "$1"); base=${base%.*}
    for w in $windows; do [ "$base" = "$w" ] && return 0; done
    return 1
}
for file in "$src"/lesson/*.h "$src"/lesson/*.cpp; do
    grep -n '#include *"shell/' "$file" | while read -r line; do
        echo "$file:$line: a lesson-window file includes the shell"
    done | grep . && failed=1
    if ! is_window "$file"; then
        grep -nE '#include *<Q|#include *"(shell|json|web)/|#include *"(lesson_form|qt_convert|picture_box|listing_label|trace_window|trace_item_model|announcer|accessibility|free_place|question_window)\.h"' "$file" |
            while read -r line; do echo "$file:$line: a model file includes Qt or a window"; done | grep . && failed=1
    fi
done
for file in $(find "$src/lessons" "$src/catalog" "$src/json" "$src/web" "$src/assignment" -name '*.h' -o -name '*.cpp'); do
    grep -nE '#include *<Q|#include *"shell/|#include *"lesson/(lesson_form|qt_convert|picture_box|listing_label|trace_window|trace_item_model|announcer|accessibility|free_place|question_window)\.h"' "$file" |
        while read -r line; do echo "$file:$line: includes Qt or a window"; done | grep . && failed=1
done
[ "$failed" -eq 0 ] && echo "the layers hold"
exit "$failed"
