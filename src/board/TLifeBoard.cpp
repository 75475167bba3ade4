#include "board/TLifeBoard.h"

#include <algorithm>
#include <cmath>

int TLifeBoard::LivingCount(const TCanvas& canvas) const
{
    int count = 0;
    for (int r = 0; r < FRowCount; ++r)
        for (int c = 0; c < FColCount; ++c)
            count += IsAlive(canvas, r, c);
    return count;
}

void TLifeBoard::DrawGrid(TCanvas& canvas, int width, int height)
{
    canvas.Brush.Color = DeadColor;
    canvas.Rectangle(0, 0, width, height);
    FRowCount = height / CellPitch;
    FColCount = width / CellPitch;
    canvas.Pen.Color = GridColor;
    for (int i = 0; i < FRowCount; ++i) {
        canvas.MovePenTo(0, CellPitch * i);
        canvas.LineTo(width, CellPitch * i);
    }
    for (int j = 0; j < FColCount; ++j) {
        canvas.MovePenTo(CellPitch * j, 0);
        canvas.LineTo(CellPitch * j, height);
    }
}

void TLifeBoard::PaintAt(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Brush.Color = color;
    canvas.FillToBorder(x, y, GridColor, fsBorder);
}

long long TLifeBoard::SaturatingSeedCount(long long cells)
{
    // P(some cell missed) <= cells * (1 - 1/cells)^n <= cells * e^(-n/cells),
    // which is below e^-45 < 2^-64 for n >= cells * (ln(cells) + 45).
    const double bound = static_cast<double>(cells) * (std::log(static_cast<double>(cells)) + 45.0);
    return static_cast<long long>(std::ceil(bound));
}

void TLifeBoard::SeedRandom(TCanvas& canvas, int count, const std::function<int()>& random)
{
    // A random index below 0 is 0, so an empty dimension still has index 0.
    const int rows = std::max(FRowCount, 1);
    const int cols = std::max(FColCount, 1);
    if (count >= SaturatingSeedCount(static_cast<long long>(rows) * cols)) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                PaintAt(canvas, SampleX(c), SampleY(r), LivingColor);
        return;
    }
    for (int i = 0; i < count; ++i) {
        const int r = FRowCount > 0 ? random() % FRowCount : 0;
        const int c = FColCount > 0 ? random() % FColCount : 0;
        PaintAt(canvas, SampleX(c), SampleY(r), LivingColor);
    }
}

namespace {

using TWord = std::uint64_t;
constexpr int WordBits = 64;

// How many cells, of count from the first, have their sample point among the
// first `extent` pixels.
int CellsInside(int count, int extent)
{
    if (count <= 0 || extent < 2)
        return 0;
    return std::min(count, (extent - 2) / TLifeBoard::CellPitch + 1);
}

// A full adder on a word of cells at once.
inline void Add(TWord a, TWord b, TWord c, TWord& sum, TWord& carry)
{
    const TWord ab = a ^ b;
    sum = ab ^ c;
    carry = (a & b) | (ab & c);
}

} // namespace

// One generation over a bit per cell read from the raster at its start. Cells
// whose sample point lies outside the raster read as dead and a fill there
// changes nothing, so only those inside are kept. The bits follow every fill,
// so reading them is reading the raster at that moment: a fill that may have
// reached other cells' sample points (damaged grid lines) has them read again.
class TLifeBoard::TPass {
public:
    TPass(TCanvas& canvas, int rowCount, int colCount, TKnowledge& known)
        : FCanvas(canvas), FRowCount(rowCount), FColCount(colCount),
          FRows(CellsInside(rowCount, canvas.Height())),
          FCols(CellsInside(colCount, canvas.Width())), FWords((FCols + WordBits - 1) / WordBits),
          FKnown(known), FCells(known.Cells), FChanged(known.Changed), FPending(known.Pending)
    {
        FChanged.resize(FWords);
        FPending.clear();
    }

    bool Empty() const { return FRows == 0 || FCols == 0; }

    void Run()
    {
        const bool fresh = FKnown.Stamp == FCanvas.Stamp() && FKnown.RowCount == FRowCount &&
                           FKnown.ColCount == FColCount;
        FKnown.Stamp = TCanvas::TStamp();
        if (!fresh) {
            FKnown.RowCount = FRowCount;
            FKnown.ColCount = FColCount;
            const std::size_t words = static_cast<std::size_t>(FRows) * FWords;
            FKnown.Checked.assign(words, 0);
            FKnown.Boxed.assign(words, 0);
            Load();
        }
        for (int r = 0; r < FRows; ++r) {
            // With one row, the rows above and below are the row itself,
            // changing under the pass: that row goes cell by cell.
            int c = FRowCount > 1 ? RowByWords(r) : 0;
            for (; c < FCols; ++c)
                Cell(r, c);
        }
        FillPending();
        FKnown.Stamp = FCanvas.Stamp();
    }

private:
    TWord* Row(int r) { return FCells.data() + static_cast<std::size_t>(r) * FWords; }
    // The row of cells r, all dead when it lies outside the raster.
    const TWord* RowOrNone(int r) { return Row(r < FRows ? r : FRows); }
    static bool Bit(const TWord* row, int c) { return (row[c / WordBits] >> (c % WordBits)) & 1; }
    bool Alive(int r, int c) { return r < FRows && c < FCols && Bit(Row(r), c); }

    // One read of each sample point; a last row of dead cells stands for the
    // rows outside the raster.
    void Load()
    {
        FCells.assign(static_cast<std::size_t>(FRows + 1) * FWords, 0);
        for (int r = 0; r < FRows; ++r) {
            const TCanvas::TPixelRow pixels = FCanvas.Row(TLifeBoard::SampleY(r));
            TWord* bits = Row(r);
            for (int k = 0; k < FWords; ++k) {
                const int first = k * WordBits;
                const int count = std::min(WordBits, FCols - first);
                TWord word = 0;
                for (int i = 0; i < count; ++i)
                    word |= TWord(pixels.IsInside(TLifeBoard::SampleX(first + i),
                                                  TLifeBoard::LivingColor))
                            << i;
                bits[k] = word;
            }
        }
    }

    // Reads again the sample points inside area.
    void Reload(const QRect& area)
    {
        if (area.isEmpty() || area.bottom() < 1 || area.right() < 1)
            return;
        // Sample points lie at 5i + 1.
        const int pitch = TLifeBoard::CellPitch;
        const int top = std::max(area.top() - 1 + pitch - 1, 0) / pitch;
        const int bottom = std::min((area.bottom() - 1) / pitch, FRows - 1);
        const int left = std::max(area.left() - 1 + pitch - 1, 0) / pitch;
        const int right = std::min((area.right() - 1) / pitch, FCols - 1);
        for (int r = top; r <= bottom; ++r) {
            TWord* bits = Row(r);
            for (int c = left; c <= right; ++c) {
                const TWord bit = TWord(1) << (c % WordBits);
                if (TLifeBoard::IsAlive(FCanvas, r, c))
                    bits[c / WordBits] |= bit;
                else
                    bits[c / WordBits] &= ~bit;
            }
        }
    }

    // The 4 × 4 box inside the grid lines of cell (r, c).
    static QRect Box(int r, int c)
    {
        const int side = TLifeBoard::CellPitch - 1;
        return QRect(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r), side, side);
    }

    // Paints cell (r, c), whose state is to change, as PaintAt at its sample
    // point would, and brings the bits up to date. True when the fill covered
    // the cell's own sample point and no other, so only its bit changed.
    bool Paint(int r, int c, bool lives)
    {
        const int x = TLifeBoard::SampleX(c);
        const int y = TLifeBoard::SampleY(r);
        const TColor color = lives ? TLifeBoard::LivingColor : TLifeBoard::DeadColor;
        FCanvas.Brush.Color = color;
        const std::size_t word = static_cast<std::size_t>(r) * FWords + c / WordBits;
        const TWord bit = TWord(1) << (c % WordBits);
        // A cell inside intact grid lines is the 4 × 4 box at its sample
        // point, a region of its own; once found to be one it stays one. Such
        // fills wait to be made together at the end, or before any other kind
        // of fill, which could read the raster around it.
        const QRect box = Box(r, c);
        if (FKnown.Checked[word] & bit) {
            if (FKnown.Boxed[word] & bit) {
                Pend(r, c, lives);
                FCells[word] ^= bit;
                return true;
            }
        } else {
            FKnown.Checked[word] |= bit;
            if (FCanvas.FillBoxToBorder(x, y, box.right(), box.bottom(), TLifeBoard::GridColor,
                                        color)) {
                FKnown.Boxed[word] |= bit;
                FCells[word] ^= bit;
                return true;
            }
        }
        FillPending();
        const QRect area = FCanvas.FillToBorder(x, y, TLifeBoard::GridColor, fsBorder);
        if (area.isEmpty())
            return false;
        if (OnlyCell(area, r, c)) {
            FCells[word] ^= bit;
            return true;
        }
        Reload(area);
        return false;
    }

    // Puts the fill of a known box on the list.
    void Pend(int r, int c, bool lives)
    {
        // Field by field: a whole rectangle written at once would be read
        // back in one piece before its parts have landed.
        FPending.emplace_back();
        TCanvas::TRectFill& fill = FPending.back();
        const int side = TLifeBoard::CellPitch - 1;
        fill.Rect.setCoords(TLifeBoard::SampleX(c), TLifeBoard::SampleY(r),
                            TLifeBoard::SampleX(c) + side - 1, TLifeBoard::SampleY(r) + side - 1);
        fill.Color = lives ? TLifeBoard::LivingColor : TLifeBoard::DeadColor;
    }

    void FillPending()
    {
        if (FPending.empty())
            return;
        FCanvas.FillRects(FPending);
        FPending.clear();
    }

    // Whether area, not empty, holds no sample point but that of cell (r, c).
    static bool OnlyCell(const QRect& area, int r, int c)
    {
        const int x = TLifeBoard::SampleX(c);
        const int y = TLifeBoard::SampleY(r);
        const int pitch = TLifeBoard::CellPitch;
        return area.left() > x - pitch && area.right() < x + pitch && area.top() > y - pitch &&
               area.bottom() < y + pitch;
    }

    // The nine reads of one cell, in the bits as they are now.
    void Cell(int r, int c)
    {
        const int up = r == 0 ? FRowCount - 1 : r - 1;
        const int down = r == FRowCount - 1 ? 0 : r + 1;
        const int left = c == 0 ? FColCount - 1 : c - 1;
        const int right = c == FColCount - 1 ? 0 : c + 1;
        const bool living = Alive(r, c);
        const int neighbours = Alive(up, left) + Alive(up, c) + Alive(up, right) + Alive(r, left) +
                               Alive(r, right) + Alive(down, left) + Alive(down, c) +
                               Alive(down, right);
        const bool lives = neighbours == 3 || (living && neighbours == 2);
        if (lives != living)
            Paint(r, c, lives);
    }

    // Row r but its last cell, a word of cells at a time. The row above is
    // final and the row below untouched while the pass is on this row (with
    // two rows they are the same row); only the cell on the left changes
    // under a cell, and that chain is resolved across the word at once.
    // Returns the first column still to do: the last one, or the one after a
    // fill that did not go as predicted, from where the bits are exact again.
    int RowByWords(int r)
    {
        // The last cell's right neighbour is the first cell's new state.
        const int last = FCols - 1;
        const TWord* above = RowOrNone(r == 0 ? FRowCount - 1 : r - 1);
        const TWord* below = RowOrNone(r == FRowCount - 1 ? 0 : r + 1);
        TWord* row = Row(r);
        // The first cell's left neighbour is column FColCount - 1: the last
        // cell, not yet changed, when the row wraps inside the raster.
        const bool wraps = FCols == FColCount;
        TWord aboveBefore = wraps ? TWord(Bit(above, last)) << (WordBits - 1) : 0;
        TWord belowBefore = wraps ? TWord(Bit(below, last)) << (WordBits - 1) : 0;
        TWord leftNew = wraps ? Bit(row, last) : 0;
        const int words = (last + WordBits - 1) / WordBits;
        for (int k = 0; k < words; ++k) {
            const TWord up = above[k];
            const TWord down = below[k];
            const TWord own = row[k];
            const bool more = k + 1 < FWords;
            const TWord upLeft = (up << 1) | (aboveBefore >> (WordBits - 1));
            const TWord upRight = (up >> 1) | (more ? above[k + 1] << (WordBits - 1) : 0);
            const TWord downLeft = (down << 1) | (belowBefore >> (WordBits - 1));
            const TWord downRight = (down >> 1) | (more ? below[k + 1] << (WordBits - 1) : 0);
            const TWord right = (own >> 1) | (more ? row[k + 1] << (WordBits - 1) : 0);
            // The seven neighbours but the left one, counted as ones + 2 twos + 4 fours.
            TWord upOnes, upTwos, downOnes, downTwos, ones, twos3, twos, fours;
            Add(upLeft, up, upRight, upOnes, upTwos);
            Add(downLeft, down, downRight, downOnes, downTwos);
            Add(upOnes, downOnes, right, ones, twos3);
            Add(upTwos, downTwos, twos3, twos, fours);
            // The new state with a dead and with a living left neighbour:
            // 3, or 2 and living; 2, or 1 and living.
            const TWord ifDead = ~fours & twos & (ones | own);
            const TWord ifLiving = ~fours & ((twos & ~ones) | (own & ones & ~twos));
            // new = ifDead ^ (flip & left new): compose those maps along the word.
            TWord base = ifDead;
            TWord flip = ifDead ^ ifLiving;
            for (int shift = 1; shift < WordBits; shift *= 2) {
                base ^= flip & (base << shift);
                flip &= (flip << shift) | ((TWord(1) << shift) - 1);
            }
            const TWord next = base ^ (flip & (TWord(0) - leftNew));
            const int first = k * WordBits;
            const TWord mine =
                last - first >= WordBits ? ~TWord(0) : (TWord(1) << (last - first)) - 1;
            FChanged[k] = (next ^ own) & mine;
            leftNew = next >> (WordBits - 1);
            aboveBefore = up;
            belowBefore = down;
        }
        // The cells to paint are known now: the pixels of those that are not
        // known boxes, walls included, are asked for at once, so their cache
        // misses overlap.
        const std::size_t rowWord = static_cast<std::size_t>(r) * FWords;
        for (int k = 0; k < words; ++k) {
            const TWord boxes = FKnown.Checked[rowWord + k] & FKnown.Boxed[rowWord + k];
            for (TWord changed = FChanged[k] & ~boxes; changed != 0; changed &= changed - 1)
                FCanvas.Prefetch(
                    Box(r, k * WordBits + __builtin_ctzll(changed)).adjusted(-1, -1, 1, 1));
        }
        for (int k = 0; k < words; ++k) {
            const TWord boxes = FKnown.Checked[rowWord + k] & FKnown.Boxed[rowWord + k];
            if ((FChanged[k] & ~boxes) == 0) {
                // Known boxes only: their fills wait, their bits change as predicted.
                for (TWord changed = FChanged[k]; changed != 0; changed &= changed - 1) {
                    const int c = k * WordBits + __builtin_ctzll(changed);
                    Pend(r, c, !Bit(row, c));
                }
                row[k] ^= FChanged[k];
                continue;
            }
            for (TWord changed = FChanged[k]; changed != 0; changed &= changed - 1) {
                const int c = k * WordBits + __builtin_ctzll(changed);
                if (!Paint(r, c, !Bit(row, c)))
                    return c + 1;
            }
        }
        return last;
    }

    TCanvas& FCanvas;
    const int FRowCount;
    const int FColCount;
    const int FRows;
    const int FCols;
    const int FWords;
    TKnowledge& FKnown;
    std::vector<TWord>& FCells;
    // The cells of the row that change, as the words predict, and the box
    // fills not made yet.
    std::vector<TWord>& FChanged;
    std::vector<TCanvas::TRectFill>& FPending;
};

void TLifeBoard::Generation(TCanvas& canvas)
{
    TPass pass(canvas, FRowCount, FColCount, FKnown);
    if (pass.Empty())
        return;
    // One change for the whole pass, raised even when a fill throws.
    struct TUpdate {
        TCanvas& Canvas;
        ~TUpdate() { Canvas.EndUpdate(); }
    };
    canvas.BeginUpdate();
    const TUpdate update{canvas};
    pass.Run();
}
