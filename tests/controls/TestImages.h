#pragma once
// Identifiers of the test suites' own PNG images (TestImages.rc), drawn by
// images/make_test_images.py: flat colours, so that a test can tell which
// image, and which part of it, ended up where. Kept clear of the program's
// own identifiers.

// 40 x 20 faces, opaque: red, green, blue, yellow.
#define IDB_TEST_FACE_RED 901
#define IDB_TEST_FACE_GREEN 902
#define IDB_TEST_FACE_BLUE 903
#define IDB_TEST_FACE_YELLOW 904
// 10 x 10 magenta square, the hover frame.
#define IDB_TEST_FRAME_MAGENTA 905
// Background strips, RGB, 8 high: 1 wide cyan; 2 wide orange then cyan;
// 3 wide orange, cyan, orange. The middle column is cyan in each.
#define IDB_TEST_STRIP_1 906
#define IDB_TEST_STRIP_2 907
#define IDB_TEST_STRIP_3 908
// Progress strips, RGB: violet (track, 9 x 19) or green (fill, 5 x 17) in
// columns 2 and 3 below the top row, black everywhere else.
#define IDB_TEST_TRACK 909
#define IDB_TEST_FILL 910
// A "png" resource whose bytes are no image at all.
#define IDB_TEST_NOT_A_PNG 999
