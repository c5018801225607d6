#pragma once

#include <string>

// The code listings shown whole in the code listing window, and how each is shown.
struct CodeListing {
    std::string caption; // window caption
    double fontSize;     // points, face "ＭＳ ゴシック"
    std::string text;    // lines joined by CR LF
};

// Listing 'a' to 'e'; an empty caption for any other id.
CodeListing codeListing(char id);
