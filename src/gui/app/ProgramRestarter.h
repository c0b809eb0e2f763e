#pragma once

#include <QString>

// Starts the program again after a change of language. The application keeps one;
// tests put a recorder in its place.
class ProgramRestarter {
public:
    virtual ~ProgramRestarter() = default;
    // Starts `executable` without arguments, independent of this process.
    virtual void restart(const QString& executable) = 0;
};

// The real one: a detached process, whose failure goes unreported as the program
// always did.
class DetachedRestarter final : public ProgramRestarter {
public:
    void restart(const QString& executable) override;
};
