#pragma once

// The values of a RowStatus column: what a table's row status reads and what a write asks of it.
enum RowStatus : int {
    RowActive = 1,
    RowNotInService = 2,
    RowNotReady = 3,
    RowCreateAndGo = 4,
    RowCreateAndWait = 5,
    RowDestroy = 6,
};
