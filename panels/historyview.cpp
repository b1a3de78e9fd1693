// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/historyview.h"

#include "history/historydiff.h"
#include "history/historylibrary.h"
#include "profile/pointlist.h"
#include "uicommon/userprompts.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

enum Column { ColId, ColTime, ColOrigin, ColChanges, ColUnit, ColState, ColNotes, ColumnCount };

// "scarico=aperto, benzina=98" and back; a key without a value is dropped.
QString conditionsText(const QMap<QString, QString> &c)
{
    QStringList parts;
    for (auto it = c.cbegin(); it != c.cend(); ++it)
        parts << it.key() + QLatin1Char('=') + it.value();
    return parts.join(QStringLiteral(", "));
}

QMap<QString, QString> conditionsFrom(const QString &text)
{
    QMap<QString, QString> c;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = part.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = part.section(QLatin1Char('='), 1).trimmed();
        if (!key.isEmpty() && !value.isEmpty())
            c.insert(key, value);
    }
    return c;
}

QStringList tagsFrom(const QString &text)
{
    QStringList tags;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString t = part.trimmed();
        if (!t.isEmpty() && !tags.contains(t))
            tags << t;
    }
    return tags;
}

} // namespace

HistoryView::HistoryView(HistoryLibrary &lib, UserPrompts &ask, QWidget *parent)
    : QDialog(parent), library(lib), prompts(ask)
{
    setObjectName(QStringLiteral("frmCronologia"));
    resize(960, 600);
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    bikeLabel = new QLabel(this);
    bikes = new QComboBox(this);
    bikes->setObjectName(QStringLiteral("cbMoto"));
    bikeLabel->setBuddy(bikes);
    top->addWidget(bikeLabel);
    top->addWidget(bikes, 1);
    btRename = new QPushButton(this);
    btRename->setObjectName(QStringLiteral("btRinominaMoto"));
    // Enter in the notes' fields saves them; it never opens the rename.
    btRename->setAutoDefault(false);
    top->addWidget(btRename);
    layout->addLayout(top);

    auto *split = new QSplitter(Qt::Vertical, this);
    table = new QTableWidget(0, ColumnCount, split);
    table->setObjectName(QStringLiteral("tblVoci"));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Two entries chosen: their difference; one: against the editor.
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    split->addWidget(table);

    auto *lower = new QWidget(split);
    auto *lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    details = new QLabel(lower);
    details->setObjectName(QStringLiteral("lblDettagli"));
    details->setWordWrap(true);
    details->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    differences = new QTableWidget(0, 5, lower);
    differences->setObjectName(QStringLiteral("tblDifferenze"));
    differences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    differences->verticalHeader()->hide();
    differences->horizontalHeader()->setStretchLastSection(true);
    auto *left = new QVBoxLayout;
    left->addWidget(details);
    left->addWidget(differences, 1);
    lowerLayout->addLayout(left, 1);
    auto *form = new QFormLayout;
    notes = new QPlainTextEdit(lower);
    notes->setObjectName(QStringLiteral("edNote"));
    notes->setTabChangesFocus(true);
    tags = new QLineEdit(lower);
    tags->setObjectName(QStringLiteral("edEtichette"));
    conditions = new QLineEdit(lower);
    conditions->setObjectName(QStringLiteral("edCondizioni"));
    notesLabel = new QLabel(lower);
    tagsLabel = new QLabel(lower);
    conditionsLabel = new QLabel(lower);
    notesLabel->setBuddy(notes);
    tagsLabel->setBuddy(tags);
    conditionsLabel->setBuddy(conditions);
    form->addRow(notesLabel, notes);
    form->addRow(tagsLabel, tags);
    form->addRow(conditionsLabel, conditions);
    btSaveNotes = new QPushButton(lower);
    btSaveNotes->setObjectName(QStringLiteral("btSalvaNote"));
    form->addRow(QString(), btSaveNotes);
    lowerLayout->addLayout(form, 1);
    split->addWidget(lower);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    auto *buttons = new QHBoxLayout;
    btCompare = new QPushButton(this);
    btCompare->setObjectName(QStringLiteral("btConfrontaVoce"));
    btLoad = new QPushButton(this);
    btLoad->setObjectName(QStringLiteral("btCaricaVoce"));
    btLoadPoints = new QPushButton(this);
    btLoadPoints->setObjectName(QStringLiteral("btCaricaPunti"));
    btRestore = new QPushButton(this);
    btRestore->setObjectName(QStringLiteral("btRipristinaVoce"));
    btClose = new QPushButton(this);
    btClose->setObjectName(QStringLiteral("btChiudiCronologia"));
    for (QPushButton *b : {btCompare, btLoad, btLoadPoints, btRestore})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btClose);
    layout->addLayout(buttons);

    connect(bikes, QOverload<int>::of(&QComboBox::activated), this, [this] { fillEntries(); });
    // The backups have no bike to rename.
    connect(bikes, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { btRename->setEnabled(!bikeKey().isEmpty()); });
    connect(btRename, &QPushButton::clicked, this, &HistoryView::renameBike);
    connect(table, &QTableWidget::itemSelectionChanged, this, &HistoryView::showDetails);
    connect(btSaveNotes, &QPushButton::clicked, this, &HistoryView::saveNotes);
    connect(btCompare, &QPushButton::clicked, this, [this] {
        if (const auto e = selectedEntry())
            emit compareRequested(*e);
    });
    connect(btLoad, &QPushButton::clicked, this, [this] {
        QVector<int> every(Curve::Points);
        std::iota(every.begin(), every.end(), 0);
        if (const auto e = selectedEntry())
            emit loadRequested(*e, every, true);
    });
    connect(btLoadPoints, &QPushButton::clicked, this, &HistoryView::askPoints);
    connect(btRestore, &QPushButton::clicked, this, [this] {
        if (const auto e = selectedEntry())
            emit restoreRequested(*e);
    });
    connect(btClose, &QPushButton::clicked, this, &QDialog::close);
    retranslate();
}

void HistoryView::retranslate()
{
    setWindowTitle(tr("Cronologia della moto"));
    bikeLabel->setText(tr("&Moto:"));
    btRename->setText(tr("R&inomina la moto..."));
    table->setHorizontalHeaderLabels(
        {tr("N."), tr("Data"), tr("Origine"), tr("Cambi"), tr("Centralina"), tr("Stato"), tr("Note")});
    table->horizontalHeaderItem(ColChanges)->setToolTip(tr("Punti cambiati rispetto alla voce precedente"));
    differences->setHorizontalHeaderLabels({tr("Punto"), tr("Giri/min"), tr("Prima"), tr("Dopo"), tr("Differenza")});
    notesLabel->setText(tr("&Note:"));
    tagsLabel->setText(tr("&Etichette:"));
    tags->setPlaceholderText(tr("dinamometro, pioggia"));
    conditionsLabel->setText(tr("C&ondizioni:"));
    conditions->setPlaceholderText(tr("scarico=aperto, benzina=98"));
    btSaveNotes->setText(tr("&Salva le note"));
    btCompare->setText(tr("Mostra sul &grafico"));
    btCompare->setToolTip(tr("La voce come curva di confronto sopra quella dell'editor"));
    btLoad->setText(tr("Carica nell'e&ditor"));
    btLoad->setToolTip(tr("Curva e K della voce nell'editor (un passo da annullare): la curva raggiunge la "
                          "centralina quando scrivi, K subito, come per un profilo"));
    btLoadPoints->setText(tr("Carica alcuni &punti..."));
    btRestore->setText(tr("&Ripristina nella centralina"));
    btRestore->setToolTip(tr("Carica la voce nell'editor e la scrive nella centralina, con il backup e la verifica "
                             "di sempre"));
    btClose->setText(tr("&Chiudi"));
    if (bikes->count() > 0)
        fillBikes(bikeKey());
}

void HistoryView::fillBikes(const QString &bikeKey)
{
    bikes->clear();
    for (const Bike &b : library.bikes().bikes())
        bikes->addItem(b.name, b.key);
    // The backups: the states before every write, of any bike.
    bikes->addItem(tr("Copie di sicurezza (tutte le moto)"), QString());
    const int at = bikes->findData(bikeKey);
    bikes->setCurrentIndex(at >= 0 ? at : 0);
}

void HistoryView::setUnitEntry(const QString &bikeKey, const QString &id)
{
    unitBike = bikeKey;
    unitEntry = id;
}

void HistoryView::showBike(const QString &bikeKey)
{
    library.reload(nullptr);
    fillBikes(bikeKey);
    fillEntries();
}

void HistoryView::refresh()
{
    const auto chosen = selectedEntry();
    fillEntries();
    if (chosen)
        selectEntry(chosen->id);
}

QString HistoryView::bikeKey() const
{
    return bikes->currentData().toString();
}

void HistoryView::setEditor(const ProfileFile::Profile &profile, int engineCylinders)
{
    editor = profile;
    cylinders = engineCylinders;
    showDetails();
}

void HistoryView::fillEntries()
{
    const QString key = bikeKey();
    entries = key.isEmpty() ? library.backups().list() : library.store(key).list();
    const bool onUnitHere = !key.isEmpty() && key == unitBike;
    table->setRowCount(0);
    table->setRowCount(entries.size());
    for (int row = 0; row < entries.size(); ++row) {
        const HistoryEntry &e = entries.at(row);
        QString state;
        if (e.damaged)
            state = tr("danneggiata: %1").arg(e.damage);
        else if (!e.proven)
            state = tr("non verificata");
        if (onUnitHere && e.id == unitEntry)
            state = state.isEmpty() ? tr("sulla centralina") : tr("sulla centralina; %1").arg(state);
        if (e.seenCount > 1)
            state += (state.isEmpty() ? QString() : QStringLiteral("; ")) + tr("vista %n volte", nullptr, e.seenCount);
        QString notesText = e.notes.notes.section(QLatin1Char('\n'), 0, 0);
        for (const QString &t : e.notes.tags)
            notesText += QStringLiteral(" #") + t;
        // Against the entry before it (the next one down the list).
        QString changes;
        if (row + 1 < entries.size() && e.hasProfile && entries.at(row + 1).hasProfile) {
            const CurveDiff d = HistoryDiff::diff(entries.at(row + 1).profile, e.profile, cylinders);
            changes = d.isEmpty() ? tr("nessuno")
                                  : d.changedCount() == 0 ? tr("solo K")
                                                          : tr("%n punti, al più %1", nullptr, d.changedCount())
                                                                .arg(HistoryDiff::signedText(d.largest().delta()));
        }
        const QStringList cells{e.id,
                                QLocale().toString(e.time, QLocale::ShortFormat),
                                HistoryEntry::originText(e.origin),
                                changes,
                                e.unit.recordText(),
                                state,
                                notesText.trimmed()};
        for (int c = 0; c < ColumnCount; ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            if (onUnitHere && e.id == unitEntry) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            if (e.damaged)
                item->setForeground(QColor(190, 30, 30));
            table->setItem(row, c, item);
        }
    }
    table->resizeColumnsToContents();
    if (!entries.isEmpty())
        table->selectRow(0);
    showDetails();
}

QVector<HistoryEntry> HistoryView::selectedEntries() const
{
    // In the list's order: newest first.
    QVector<HistoryEntry> chosen;
    for (const QModelIndex &i : table->selectionModel()->selectedRows())
        if (i.row() < entries.size())
            chosen << entries.at(i.row());
    std::sort(chosen.begin(), chosen.end(),
              [](const HistoryEntry &a, const HistoryEntry &b) { return a.number > b.number; });
    return chosen;
}

std::optional<HistoryEntry> HistoryView::selectedEntry() const
{
    const QVector<HistoryEntry> chosen = selectedEntries();
    if (chosen.size() != 1)
        return std::nullopt;
    return chosen.first();
}

void HistoryView::showDifference(const CurveDiff &diff)
{
    const QVector<PointDelta> changed = diff.changed();
    differences->setRowCount(0);
    differences->setRowCount(changed.size() + (diff.kChanged() ? 1 : 0));
    int row = 0;
    for (const PointDelta &p : changed) {
        const QStringList cells{QString::number(p.point), QLocale().toString(p.rpm), QString::number(p.before),
                                QString::number(p.after), HistoryDiff::signedText(p.delta())};
        for (int c = 0; c < cells.size(); ++c)
            differences->setItem(row, c, new QTableWidgetItem(cells.at(c)));
        ++row;
    }
    if (diff.kChanged()) {
        const QStringList cells{QStringLiteral("K"), QString(), QString::number(diff.kBefore),
                                QString::number(diff.kAfter), HistoryDiff::signedText(diff.kAfter - diff.kBefore)};
        for (int c = 0; c < cells.size(); ++c)
            differences->setItem(row, c, new QTableWidgetItem(cells.at(c)));
    }
    differences->resizeColumnsToContents();
}

void HistoryView::selectEntry(const QString &id)
{
    for (int row = 0; row < entries.size(); ++row)
        if (entries.at(row).id == id)
            table->selectRow(row);
}

void HistoryView::showDetails()
{
    const QVector<HistoryEntry> chosen = selectedEntries();
    if (chosen.size() == 2) {
        // Two entries: what changed from the older to the newer.
        const HistoryEntry &older = chosen.at(1);
        const HistoryEntry &newer = chosen.at(0);
        for (QWidget *w : std::initializer_list<QWidget *>{btCompare, btLoad, btLoadPoints, btRestore, notes, tags,
                                                            conditions, btSaveNotes})
            w->setEnabled(false);
        if (!older.hasProfile || !newer.hasProfile) {
            details->setText(tr("Una delle due voci non ha un profilo leggibile: nessun confronto."));
            showDifference(CurveDiff());
            return;
        }
        const CurveDiff diff = HistoryDiff::diff(older.profile, newer.profile, cylinders);
        QString text = tr("Dalla voce %1 alla voce %2: %3").arg(older.id, newer.id, diff.summary());
        if (older.damaged || newer.damaged)
            text += QLatin1Char('\n') + tr("Il confronto usa un profilo danneggiato: può non valere.");
        details->setText(text);
        showDifference(diff);
        return;
    }
    const auto e = selectedEntry();
    const bool any = e.has_value();
    const bool usable = any && e->usable();
    btCompare->setEnabled(any && e->hasProfile);
    btLoad->setEnabled(usable);
    btLoadPoints->setEnabled(usable);
    btRestore->setEnabled(usable);
    // A backup has no record of its own to write notes into.
    const bool annotatable = any && !e->isBackup() && !e->damaged;
    for (QWidget *w : std::initializer_list<QWidget *>{notes, tags, conditions, btSaveNotes})
        w->setEnabled(annotatable);
    notes->setPlainText(any ? e->notes.notes : QString());
    tags->setText(any ? e->notes.tags.join(QStringLiteral(", ")) : QString());
    conditions->setText(any ? conditionsText(e->notes.conditions) : QString());
    if (!any) {
        showDifference(CurveDiff());
        details->setText(entries.isEmpty() ? tr("Nessuna voce: ogni lettura riuscita e ogni scrittura verificata di "
                                                "questa moto ne aggiunge una.")
                                           : QString());
        return;
    }
    QStringList lines;
    lines << tr("Voce %1, %2, %3").arg(e->id, QLocale().toString(e->time, QLocale::LongFormat),
                                       HistoryEntry::originText(e->origin));
    lines << tr("Centralina: %1").arg(e->unit.hasSerial()
                                          ? tr("%1, numero di serie %2").arg(e->unit.recordText(), e->unit.serial)
                                          : e->unit.recordText());
    if (!e->parent.isEmpty())
        lines << tr("Viene dalla voce %1").arg(e->parent);
    if (e->damaged)
        lines << tr("Danneggiata: %1. Non si carica né si ripristina.").arg(e->damage);
    else if (!e->proven)
        lines << tr("Non verificata: una parte (K) era nota solo da prima.");
    if (e->hasProfile && editor.values.size() == Curve::Points) {
        const CurveDiff diff = HistoryDiff::diff(editor, e->profile, cylinders);
        lines << (diff.isEmpty() ? tr("Uguale alla curva nell'editor.")
                                 : tr("Caricarla nell'editor cambia: %1").arg(diff.summary()));
        showDifference(diff);
        if (e->damaged)
            lines << tr("Il confronto usa un profilo danneggiato: può non valere.");
    }
    if (!e->hasProfile)
        showDifference(CurveDiff());
    for (const Attachment &a : e->attachments)
        lines << (a.isChanged() ? tr("Allegato (%1): %2, spostato o cambiato da allora")
                                : tr("Allegato (%1): %2"))
                     .arg(a.kind, QDir::toNativeSeparators(a.path));
    details->setText(lines.join(QLatin1Char('\n')));
}

void HistoryView::saveNotes()
{
    const auto e = selectedEntry();
    if (!e)
        return;
    Annotations a;
    a.notes = notes->toPlainText().trimmed();
    a.tags = tagsFrom(tags->text());
    a.conditions = conditionsFrom(conditions->text());
    QString error;
    if (!library.store(bikeKey()).annotate(e->id, a, &error)) {
        prompts.warning(this, windowTitle(), tr("Le note della voce %1 non sono state salvate: %2").arg(e->id, error));
        return;
    }
    refresh();
}

void HistoryView::askPoints()
{
    const auto e = selectedEntry();
    if (!e)
        return;
    const QString text = prompts.getItem(this, tr("Carica alcuni punti"),
                                         tr("Punti della voce %1 da caricare nell'editor (per esempio 20-30, 35, K):")
                                             .arg(e->id),
                                         {}, true);
    if (text.trimmed().isEmpty())
        return;
    const PointList::Parsed parsed = PointList::parse(text, true);
    if (!parsed.ok) {
        prompts.warning(this, tr("Carica alcuni punti"),
                        tr("%1 non è un elenco di punti da 0 a %2 (per esempio 20-30, 35, K).")
                            .arg(text.trimmed())
                            .arg(Curve::Points - 1));
        return;
    }
    emit loadRequested(*e, parsed.points, parsed.k);
}

void HistoryView::renameBike()
{
    const QString key = bikeKey();
    if (key.isEmpty())
        return;
    // The window or tervalix-cli may have changed the bikes since.
    QString error;
    if (!library.reload(&error)) {
        prompts.warning(this, tr("Rinomina la moto"), error);
        return;
    }
    const Bike *bike = library.bikes().find(key);
    if (!bike) {
        fillBikes(QString());
        fillEntries();
        return;
    }
    const QString was = bike->name;
    const QString name = prompts.getItem(this, tr("Rinomina la moto"), tr("Nuovo nome di %1:").arg(was), {was}, true);
    if (name.trimmed().isEmpty() || name.trimmed() == was)
        return;
    if (!library.bikes().rename(key, name, &error)) {
        prompts.warning(this, tr("Rinomina la moto"), error);
        return;
    }
    fillBikes(key);
    emit bikeRenamed();
}
