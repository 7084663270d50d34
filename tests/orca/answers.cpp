// What the blind learner's test needs to know to answer: every item of one drill, the picture
// exercise's tasks scene by scene, and the access keys of the controls it uses, as JSON. Taken
// from the program's own tables, so that the test copies none of them.
#include "common/accentkeys.h"
#include "common/forms.h"
#include "drills/drilldescriptions.h"
#include "picture/picturecontrols.h"
#include "picture/pictureengine.h"
#include "shell/program.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

using namespace zeb;
using namespace Qt::StringLiterals;

static QString accessKey(const QString &caption)
{
    const qsizetype at = caption.indexOf(u'&');
    return at < 0 ? QString() : caption.mid(at + 1, 1).toLower();
}

static QString accessKey(QWidget *window, const char *name)
{
    return accessKey(
        window->findChild<QWidget *>(QLatin1StringView(name))->property("text").toString());
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    defineForms();
    QJsonObject keys, drill;
    QWidget *menu = forms::show(FormName::alap);
    for (QAction *action : menu->findChildren<QAction *>()) {
        if (action->menu() && action->menu()->actions().value(0)->objectName() == u"acerca")
            keys[u"help"_s] = accessKey(action->text());
    }
    const DrillDescription &d = drill1705();
    keys[u"drill"_s] = d.number;
    QWidget *window = forms::show(d.window);
    for (const char *name : {"Command1", "Command4"})
        keys[QLatin1StringView(name)] = accessKey(window, name);
    for (const NavigationButton &button : d.navigation) {
        if (button.target == Exercise::Picture2)
            keys[u"picture"_s] = accessKey(QString::fromUtf8(button.caption));
    }
    QJsonObject accents; // typed as a learner with a plain English keyboard types them
    for (const AccentKey &key : AccentKeyTable)
        accents[QString(QChar(key.inserted))] = QString(QChar(key.typed));
    QJsonArray items;
    for (const DrillRow &row : d.bank())
        items.append(QJsonObject{{u"start"_s, QString::fromUtf16(row.start)},
                                 {u"end"_s, QString::fromUtf16(row.end)},
                                 {u"infinitive"_s, QString::fromUtf16(row.infinitive)},
                                 {u"hint"_s, QString::fromUtf16(row.personHint)},
                                 {u"form"_s, QString::fromUtf16(row.verbForm)}});
    drill[u"items"_s] = items;
    drill[u"pass"_s] = d.passLength;

    QJsonObject tasks;
    const QHash<Activity, QString> activities{{Activity::Statement, u"statement"_s},
                                              {Activity::Question, u"question"_s},
                                              {Activity::Answer, u"answer"_s}};
    window = forms::show(FormName::zeb1702);
    keys[u"start"_s] = accessKey(window, "Command6");
    for (const OptionChoice &option : pictureOptions()) {
        if (!activities.contains(option.activity))
            continue;
        keys[activities[option.activity]] = accessKey(window, option.name);
        PictureEngine engine;
        engine.chooseActivity(option.activity);
        const SceneRange range = engine.range();
        QJsonArray scenes;
        for (int scene = range.first; scene <= range.last; ++scene) {
            engine.reset();
            scriptDraws({(scene - range.first + 0.5) / range.size()});
            engine.startTask();
            QStringList words = engine.keyWords();
            words.removeAll(QString());
            scenes.append(QJsonObject{{u"words"_s, words.join(u", "_s)},
                                      {u"answer"_s, engine.solution().Text1},
                                      {u"question"_s, engine.question()}});
        }
        tasks[activities[option.activity]] = scenes;
    }
    const QJsonObject all{
        {u"keys"_s, keys}, {u"accents"_s, accents}, {u"drill"_s, drill}, {u"tasks"_s, tasks}};
    std::fputs(QJsonDocument(all).toJson(QJsonDocument::Compact).constData(), stdout);
    forms::discardAll();
}
