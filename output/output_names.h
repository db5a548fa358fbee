// The check that no output of a run names its WayFile: the last guard
// before any output file is opened for writing.
#pragma once

#include "file_names.h"

// Compares the GPX, PDF and report names, in that order, with the WayFile
// name: equal bytes or the same existing file count as equal. Returns 0
// when none is, or 1 after printing "Oops, <Name> must be unique to
// WayFilename" for the first that is. Empty names (outputs not asked for)
// are skipped.
int CheckOutputNames(const FileNames& files);

// Compares the GPX, PDF and report names with each other, so that no output
// is written over another of the same run. Returns 0 when they name
// different files, or 1 after printing "Oops, <Name> and <Name> must be
// different files" for the first pair that does not.
int CheckOutputsDistinct(const FileNames& files);
