// The folders the tests read from and write to, as the build has them
// (test_paths.cpp in the build folder; the test programs' VQ_BINARY_DIR and
// the like name these). Read in with -include by every test source.
#pragma once

extern const char vq_test_binary_dir[];
extern const char vq_tests_dir[];
extern const char vq_source_dir[];
