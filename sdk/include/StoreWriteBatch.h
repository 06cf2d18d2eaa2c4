#pragma once

// Holds back the profile store's file writes while it lives. Every
// COrvaneXML_ change made meanwhile updates the store's copy of the file and
// returns as usual; reads see it at once. When the outermost batch ends, each
// file changed under it is written once, whole, through the same atomic
// replace and "<file>.bak" rule as a single change, so the file on disk is
// either as it was before the batch or holds all of it.
//
//     StoreWriteBatch batch;
//     ...many COrvaneXML_ changes...
//     if (!batch.commit())
//         ...report the failure: nothing of the batch reached the file...
//
// A change that fails half-way gives the batch up with abandon(): nothing of
// it is written, not even the changes that went through before the failure
// (leaving the scope without commit() or abandon() writes them).
//
// Nested batches are allowed; only the outermost one writes. GUI thread only,
// like every store function. Code that reads a store file itself, not through
// the store, must run outside a batch: the file does not hold the changes yet.
class StoreWriteBatch
{
public:
    StoreWriteBatch();
    // Ends the batch unless commit() did; a failure is logged only.
    ~StoreWriteBatch();

    StoreWriteBatch(const StoreWriteBatch&) = delete;
    StoreWriteBatch& operator=(const StoreWriteBatch&) = delete;

    // Ends the batch now. The outermost batch writes the changed files and is
    // true only when every one of them was written; a file that could not be
    // written is left as it was, and the store forgets its held-back changes.
    // An inner batch writes nothing and is true: the outermost one reports.
    // Later calls return the first result.
    bool commit();
    // Ends the batch without writing anything of it; the files and the store
    // read as before the outermost batch began. Inside an outer batch it gives
    // the outer one up too: its commit() writes nothing and is false.
    void abandon();

private:
    bool m_open = true;
    bool m_written = true;
};
