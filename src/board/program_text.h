// Marks a fixed text the program shows, so the translation tools list it; the window translates it when it shows it.
#pragma once

/// `text` itself; the window looks it up among the translations of `context` ("Messages") when it shows it.
#define LOOPWORD_TEXT(context, text) text
