#pragma once
// The files a lesson program shares with the launcher: "NO.BAS", whose first
// item names the pupil's progress record, and the progress record itself,
// which holds a header and the pass flags of every exercise page.  Both are
// code page 932 text made of items separated by commas and line ends.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace frame {

// Where a text given to be read ends: with its file, or cut short (the
// first part of a longer file, the rest unread).
enum class TextEnd { File, Cut };

// Reads items one at a time from code page 932 text.  Blanks before an item
// are skipped; an item ends at a comma, a colon, a line end or the end of the
// text, a number also at a blank after it; a text in double quotes may hold
// commas and colons.  Reading past the end is a RunError (InputPastEnd), and
// so is an item that runs into the end of a text cut short: the rest of its
// file might have made it another item.
class ItemReader {
public:
    explicit ItemReader(std::string_view cp932, TextEnd end = TextEnd::File) : text_(cp932), end_(end) {}

    std::string next_text();  // as UTF-8, trailing blanks dropped
    // A number as the course writes it, rounded to a whole number: blanks
    // around it, an optional sign, then digits with at most one decimal
    // point.  Any other item (text in another encoding, digits of another
    // width, words, an empty item) is a RunError (InputPastEnd), as a
    // record that ends too soon is.
    long next_number();

private:
    std::string_view next_item(bool numeric);
    std::string_view quoted_item();
    void skip_blanks();
    void end_item();

    void check_not_cut(std::size_t item_end) const;

    std::string_view text_;
    TextEnd end_;
    std::size_t at_ = 0;
};

// How a unit's progress record is laid out: the header it writes, the number
// of pass flags of each exercise page in page order, and how many of those
// lists share the first line with the header (each further list has a line
// of its own).
struct RecordLayout {
    std::array<int, 3> header;
    std::vector<int> flag_counts;
    int lists_on_first_line;
};

// The pass flags of each exercise page, in page order.
using PassFlags = std::vector<std::vector<int>>;

// Whether a page's problems have all passed: its flags sum to its problem
// count.  The sum is exact for any flags a record holds, however large.
bool all_passed(const std::vector<int>& page_flags);

// The pass flags of a record (its header is read and ignored; items after
// the last flag are ignored).  A UTF-8 byte order mark before the first item
// is passed over.  A record with too few items, or with an item that is no
// number, is no record of the course: a RunError (InputPastEnd).
PassFlags read_progress(std::string_view cp932, const RecordLayout& layout, TextEnd end = TextEnd::File);

// The exact bytes of a record: the layout's header, then the flags, items
// separated by single commas, lines ended by CR LF.
std::string progress_text(const RecordLayout& layout, const PassFlags& flags);

// The record name in the bytes of "NO.BAS": its first item, as UTF-8.  A
// UTF-8 byte order mark before it is passed over, as in the record.
std::string read_record_name(std::string_view no_bas_cp932, TextEnd end = TextEnd::File);

}  // namespace frame
