// Tells which generations of the board a series of screenshots shows. The
// board's cells are read from each picture (a cell is alive where its sample
// pixel is pure blue) and compared with the in-place generations of the first
// picture's board, worked out on a plain cell array.
#include "TCellArray.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct TBoardPlace {
    int Left;
    int Top;
    int Rows;
    int Cols;
};

// Reads the board in the picture; false when it cannot be read or is too small.
bool ReadBoard(const char* file, const TBoardPlace& place, TCellArray& board)
{
    const QImage picture(QString::fromLocal8Bit(file));
    if (picture.width() < place.Left + 5 * place.Cols ||
        picture.height() < place.Top + 5 * place.Rows)
        return false;
    for (int r = 0; r < place.Rows; ++r)
        for (int c = 0; c < place.Cols; ++c)
            if (picture.pixel(place.Left + 5 * c + 1, place.Top + 5 * r + 1) == qRgb(0, 0, 255))
                board.SetAlive(r, c);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 8) {
        std::fprintf(stderr,
                     "usage: %s LEFT TOP ROWS COLUMNS GENERATIONS SEED PICTURE...\n"
                     "Prints, for each PICTURE, the number of in-place generations from the\n"
                     "board in SEED that it shows (at most GENERATIONS), or - for none.\n",
                     argv[0]);
        return 2;
    }
    const TBoardPlace place{std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                            std::atoi(argv[4])};
    const int generations = std::atoi(argv[5]);
    TCellArray board(place.Rows, place.Cols);
    if (!ReadBoard(argv[6], place, board)) {
        std::fprintf(stderr, "%s: cannot read the board in %s\n", argv[0], argv[6]);
        return 1;
    }
    std::vector<TCellArray> evolved{board};
    for (int g = 1; g <= generations; ++g) {
        board.Generation();
        evolved.push_back(board);
    }
    int last = 0;
    for (int i = 7; i < argc; ++i) {
        TCellArray shown(place.Rows, place.Cols);
        if (!ReadBoard(argv[i], place, shown)) {
            std::fprintf(stderr, "%s: cannot read the board in %s\n", argv[0], argv[i]);
            return 1;
        }
        // A board can come back (an oscillation), so the search starts from
        // the generation the last picture showed, and looks earlier only then.
        const auto match = [&](int from, int to) {
            for (int g = from; g < to; ++g)
                if (evolved[static_cast<std::size_t>(g)] == shown)
                    return g;
            return -1;
        };
        int found = match(last, generations + 1);
        if (found < 0)
            found = match(0, last);
        if (found < 0) {
            std::printf("-\n");
        } else {
            std::printf("%d\n", found);
            last = found;
        }
    }
    return 0;
}
