// Population counts on the processor's own instruction where it has one, chosen when the program starts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Marks a function whose time goes into population counts: on x86-64 it is built twice, with the
/// POPCNT instruction and without, and the program takes the one the processor runs. Elsewhere, in
/// builds for WebAssembly and under ThreadSanitizer (which cannot run the chooser before it
/// starts), it is built once.
#if defined(__x86_64__) && defined(__has_attribute) && !defined(__SANITIZE_THREAD__)
#if __has_attribute(target_clones)
#define LOOPWORD_POPCOUNT_PATHS __attribute__((target_clones("popcnt", "default")))
#endif
#endif
#ifndef LOOPWORD_POPCOUNT_PATHS
#define LOOPWORD_POPCOUNT_PATHS
#endif
