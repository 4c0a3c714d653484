#pragma once

// Marks a text the user reads. The core keeps it as written, in English; the shell translates
// it where it shows it (QCoreApplication::translate with the context "tarnel"), and
// scripts/lupdate collects every marked text of the core into the translations under that
// context, taking this for Qt's QT_TR_NOOP. Mark only texts the core writes in a namespace-scope
// function or table of namespace tarnel: lupdate names the context after the enclosing scope.
#define USER_TEXT(text) text
