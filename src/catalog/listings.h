#pragma once

#include "lesson/description.h"

#include <string>
#include <string_view>

// The code listings shown whole in the code listing window, and how each is shown.
struct CodeListing {
    std::string caption; // window caption
    double fontSize;     // points, in the lessons' face, not bold
    std::string text;    // lines joined by CR LF
};

// The font a listing is shown in.
Font listingFont(const CodeListing& listing);

// Listing 'a' to 'e'; an empty caption for any other id.
CodeListing codeListing(char id);

// The ids of the listings, in the order of the menus that show them.
std::string_view codeListingIds();

// The code listing window: its design caption, client size, and the margin its text box
// keeps at the right and bottom while the window is larger than `smallest` both ways
// (twips).
struct ListingWindow {
    const char* caption = "Form1";
    int width = 9210;
    int height = 3585;
    int margin = 500;
    int smallest = 600;
};
inline ListingWindow listingWindow()
{
    return {};
}
