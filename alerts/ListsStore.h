#pragma once
// Where the check cycle's two lists are kept between runs of the program: the data file.

namespace nudgery {

class ListsStore {
public:
    virtual ~ListsStore() = default;

    // Writes both lists as they are, leaving out reminders marked for deletion. A failure
    // has been reported to the user when this gives false; the lists stay as they are.
    virtual bool Save() = 0;
    // Replaces both lists with what was last written, every reminder judged for today.
    virtual void Reload() = 0;
};

} // namespace nudgery
