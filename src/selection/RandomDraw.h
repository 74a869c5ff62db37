// The draw of random play held in memory, for many draws in a row (the
// random selector draws up to 320,000 times in one run). The collection
// file as last saved, the selection index and the previously played file
// are read once; each draw then draws the same numbers from the program's
// generator, in the same order, as RandomPick does reading the files anew,
// and so gives the same track.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

class RandomDraw {
public:
    // A file that cannot be read counts as empty: no collection means
    // nothing to draw, no selection index the whole collection, no
    // previously played file no recent plays.
    RandomDraw(const std::string& collectionFile, const std::string& selectionIndexFile,
               const std::string& previouslyPlayedFile);

    // The path of a drawn track (at most 259 characters); false when the
    // collection is empty. The draw does not ask whether random play is on.
    bool Draw(std::string& path) const;

private:
    struct Candidate {
        std::string path;
        uint8_t preference = 0;
        bool playedRecently = false;
    };

    std::vector<Candidate> records_;  // the collection file's records, in file order
    std::vector<uint32_t> selection_; // positions of the selection index; empty: none in force
    // The record a draw starts from, which stands when every attempt reads
    // past the end of the collection: all zero, as the player's next-track
    // request is.
    Candidate empty_;
};

}  // namespace vuv
