// What the learner chose (activity, question type, person) and the task code it selects.
#pragma once

#include <optional>

namespace zeb {

enum class Activity { None, Statement, Question, Answer }; // Haga oraciones, Pregunte, Conteste
enum class QuestionType { None, General, PartialI, PartialII };
enum class Person { None, First, Second, Third, Polite }; // 1/11, 2/22, 3/33, Ud./Uds.

struct TaskCodes
{
    int question; // an answer task first builds the question it puts; 0 for other tasks
    int task;     // the code whose texts the learner's answer is compared with
};

// The first row of the task table that the choice fits; nothing when no row does.
std::optional<TaskCodes> taskCodesFor(Activity activity, QuestionType type, Person person);

// The codes of the questions the learner asks: typed with their own "¿" and capital.
bool isQuestionTask(int taskCode);

} // namespace zeb
