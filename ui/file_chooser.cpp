#include "file_chooser.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <deque>

namespace stampwright {
namespace {

struct ChooserFilter {
    const char* shown;
    const char* patterns;
};
const ChooserFilter kFilters[] = {
    {"Photos (*.jpg, *.jpeg)", "*.JPG;*.JPEG"},
    {"Thumbnails (*.thm)", "*.THM"},
    {"Movies (*.avi)", "*.AVI"},
    {"All Files (*.*)", "*.*"},
};

// The file dialog would take a filter's patterns from its shown name, where "*.jpg," (with
// the comma) matches nothing. So the dialog's own filtering is switched off and this model
// applies the real patterns, ignoring case as the original chooser did.
class PatternFilterModel : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetPatterns(const QString& patterns) {
        m_patterns.clear();
        for (const QString& pattern : patterns.split(';')) {
            // "*.*" has always meant every file, with or without an extension.
            const QString wildcard =
                pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
            m_patterns.append(
                QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard),
                                   QRegularExpression::CaseInsensitiveOption));
        }
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex index = sourceModel()->index(row, 0, parent);
        if (files == nullptr || files->isDir(index))
            return true;
        const QString name = files->fileName(index);
        return std::any_of(m_patterns.begin(), m_patterns.end(),
                           [&](const QRegularExpression& re) { return re.match(name).hasMatch(); });
    }

private:
    QList<QRegularExpression> m_patterns;
};

std::deque<std::optional<QStringList>>& NextSelections() {
    static std::deque<std::optional<QStringList>> selections;
    return selections;
}

void UseFilter(PatternFilterModel& filter, const QString& shown) {
    for (const ChooserFilter& entry : kFilters)
        if (shown == QLatin1String(entry.shown))
            filter.SetPatterns(QLatin1String(entry.patterns));
    if (auto* files = qobject_cast<QFileSystemModel*>(filter.sourceModel()))
        files->setNameFilters({});
}

} // namespace

QFileDialog* FileChooser::Create(QWidget* owner, const QString& directory) {
    auto* dialog = new QFileDialog(owner, QStringLiteral("Select Files to Redate"), directory);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ReadOnly);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    auto* filter = new PatternFilterModel(dialog);
    dialog->setProxyModel(filter);
    QStringList shown;
    for (const ChooserFilter& entry : kFilters)
        shown.append(QLatin1String(entry.shown));
    dialog->setNameFilters(shown);
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog,
                     [filter](const QString& name) { UseFilter(*filter, name); });
    dialog->selectNameFilter(shown.last());
    UseFilter(*filter, shown.last());
    return dialog;
}

std::optional<QStringList> FileChooser::ChooseFiles(QWidget* owner, const QString& directory) {
    if (!NextSelections().empty()) {
        std::optional<QStringList> selection = NextSelections().front();
        NextSelections().pop_front();
        return selection;
    }
    std::unique_ptr<QFileDialog> dialog(Create(owner, directory));
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->selectedFiles();
}

void FileChooser::SetNextSelection(std::optional<QStringList> files) {
    NextSelections().push_back(std::move(files));
}

} // namespace stampwright
