// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history of a bike as the window shows it: its entries newest first
// (damaged and unverified ones marked, the one on the unit in bold, the
// points each changed), what loading the chosen one would change in the
// editor or what changed between two chosen ones, its attachments, and
// its notes, tags and conditions, which are saved here, as is a bike's new
// name. Comparing, loading and restoring are asked of the history panel.

#include <QDialog>
#include <QVector>

#include <optional>

#include "history/historydiff.h"
#include "history/historyentry.h"
#include "profile/profilefile.h"

class HistoryLibrary;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class UserPrompts;

class HistoryView : public QDialog {
    Q_OBJECT
public:
    HistoryView(HistoryLibrary &library, UserPrompts &prompts, QWidget *parent);

    // The entry the linked unit holds, in `bikeKey`'s history (shown bold).
    void setUnitEntry(const QString &bikeKey, const QString &id);
    // Lists the bikes again and shows `bikeKey`'s history (empty: the backups).
    void showBike(const QString &bikeKey);
    // The list again, the choice kept.
    void refresh();
    // What the editor holds, to say what loading an entry changes.
    void setEditor(const ProfileFile::Profile &editor, int cylinders);
    QString bikeKey() const;
    // The one entry chosen; none when none or two are.
    std::optional<HistoryEntry> selectedEntry() const;
    QVector<HistoryEntry> selectedEntries() const;
    void selectEntry(const QString &id);
    void retranslate();

signals:
    void compareRequested(const HistoryEntry &entry);
    void loadRequested(const HistoryEntry &entry, const QVector<int> &points, bool withK);
    void restoreRequested(const HistoryEntry &entry);
    void bikeRenamed();

private:
    void fillBikes(const QString &bikeKey);
    void fillEntries();
    void showDetails();
    void showDifference(const CurveDiff &diff);
    void saveNotes();
    void askPoints();
    void renameBike();

    HistoryLibrary &library;
    UserPrompts &prompts;
    QVector<HistoryEntry> entries;
    QString unitBike;
    QString unitEntry;
    ProfileFile::Profile editor;
    int cylinders = 4;

    QComboBox *bikes = nullptr;
    QLabel *bikeLabel = nullptr;
    QPushButton *btRename = nullptr;
    QTableWidget *table = nullptr;
    QLabel *details = nullptr;
    QTableWidget *differences = nullptr;
    QLabel *notesLabel = nullptr;
    QPlainTextEdit *notes = nullptr;
    QLabel *tagsLabel = nullptr;
    QLineEdit *tags = nullptr;
    QLabel *conditionsLabel = nullptr;
    QLineEdit *conditions = nullptr;
    QPushButton *btSaveNotes = nullptr;
    QPushButton *btCompare = nullptr;
    QPushButton *btLoad = nullptr;
    QPushButton *btLoadPoints = nullptr;
    QPushButton *btRestore = nullptr;
    QPushButton *btClose = nullptr;
};
