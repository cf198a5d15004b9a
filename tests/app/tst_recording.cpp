// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record as the window's own controls make it: each judged answer and each Peek becomes one
// row, with the flags the quiz itself keeps, written through the recorder into a real file.
#include "scriptedservices.h"

#include "app/answeredit.h"
#include "record/answerrecorder.h"
#include "record/recordfixtures.h"

#include <QRadioButton>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// One step of the learner: "type:<text>" then Check, "right" or "wrong" choice, "peek".
void play(TForm1 &form, const QString &step)
{
    if (step.startsWith(u"type:"_s)) {
        form.Answer->setPlainText(step.mid(5));
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    } else if (step == u"right"_s) {
        form.answerItem(form.state().SlotOrder[0])->click();
    } else if (step == u"wrong"_s) {
        form.answerItem((form.state().SlotOrder[0] + 1) % 4)->click();
    } else if (step == u"peek"_s) {
        clickButton(form, "OrvelButton1");
    }
}

// The record's answers in order, one line each:
// outcome,first_try,answer_mode,direction,word_group,position,new_at_level,typed_text.
QStringList recordedRows(const QString &path)
{
    QStringList rows;
    fixtures::withDatabase(path, [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        QVERIFY(query.exec(u"SELECT outcome || ',' || first_try || ',' || answer_mode || ',' ||"
                           " direction || ',' || word_group || ',' || position || ',' ||"
                           " new_at_level || ',' || ifnull(typed_text, '-') FROM answers"
                           " ORDER BY id"_s));
        while (query.next())
            rows << query.value(0).toString();
    });
    return rows;
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void answers_areRecordedAsJudged_data()
    {
        QTest::addColumn<bool>("toEnglish");
        QTest::addColumn<bool>("verbs");
        QTest::addColumn<bool>("typeMode");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("rows");
        // Nouns, English to Spanish: index 0 is "word" = "palabra", index 5 "day" = "día".
        QTest::newRow("typed, right at the first try")
            << false << false << true << 0 << QStringList{u"type:palabra"_s}
            << QStringList{u"1,1,1,0,0,0,0,-"_s};
        QTest::newRow("typed, wrong then right")
            << false << false << true << 0 << QStringList{u"type:palabr"_s, u"type:palabra"_s}
            << QStringList{u"0,1,1,0,0,0,0,palabr"_s, u"1,0,1,0,0,0,0,-"_s};
        QTest::newRow("typed with accents")
            << false << false << true << 5 << QStringList{u"type:dia"_s, u"type:día"_s}
            << QStringList{u"0,1,1,0,0,5,0,dia"_s, u"1,0,1,0,0,5,0,-"_s};
        QTest::newRow("choice, wrong then right")
            << false << false << false << 0 << QStringList{u"wrong"_s, u"right"_s}
            << QStringList{u"0,1,0,0,0,0,0,-"_s, u"1,0,0,0,0,0,0,-"_s};
        // Peek is a row of its own and leaves the first try standing.
        QTest::newRow("peek, then right")
            << false << false << true << 0 << QStringList{u"peek"_s, u"type:palabra"_s}
            << QStringList{u"2,1,1,0,0,0,0,-"_s, u"1,1,1,0,0,0,0,-"_s};
        // Verbs, Spanish to English: index 4 is "tengo" = "I have".
        QTest::newRow("verbs to English")
            << true << true << true << 4 << QStringList{u"type:I have"_s}
            << QStringList{u"1,1,1,1,1,4,0,-"_s};
    }

    void answers_areRecordedAsJudged()
    {
        QFETCH(bool, toEnglish);
        QFETCH(bool, verbs);
        QFETCH(bool, typeMode);
        QFETCH(int, index);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, rows);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        {
            record::AnswerRecorder recorder(path, 1, [] { return true; });
            StartedQuiz quiz;
            QObject::connect(quiz.form.get(), &TForm1::answerJudged, &recorder,
                             &record::AnswerRecorder::record);
            if (toEnglish)
                quiz->SpanishtoEnglish1->trigger();
            if (verbs)
                quiz->Verbs1Click();
            askIndex(*quiz, index);
            QCOMPARE(quiz->state().QuestionIndex, index);
            (typeMode ? quiz->TypeAnswer : quiz->MultChoice)->trigger();
            for (const QString &step : steps)
                play(*quiz, step);
        } // the recorder writes what is queued before it goes
        QCOMPARE(recordedRows(path), rows);
    }
};

QTEST_MAIN(TestRecording)
#include "tst_recording.moc"
