// The program's messages, questions and number prompts: modal dialogs on the
// page, answered with the keys of a desktop box. Each opens as a fresh copy
// of the page's dialog, because Orca reads a focused object only when it is
// another than the one it read last, and a dialog often follows the same
// dialog (a prompt asked again after a bad entry, one question after
// another).

export function createDialogs({ template, area, isRunning, onAnswer }) {
  template.remove();
  let current = null;
  let answer = -1;

  function choose(box, chosen) {
    if (box !== current || answer >= 0) return;
    answer = chosen;
    box.element.close();
    // Closing gives the focus back to where it was, usually the area.
    if (!area.contains(document.activeElement)) area.focus();
    onAnswer();
  }

  // A message or question takes the focus itself, where Orca reads its title
  // and text (a focused button would be read alone), and Enter takes the
  // first button. A prompt opens with the focus in its field, where Orca
  // reads the prompt.
  function show(box) {
    box.element.showModal();
    (box.field ?? box.element).focus();
  }

  function build(text, title, buttons, escapeAnswer, withField) {
    const element = template.cloneNode(true);
    const box = { element, field: withField ? element.querySelector('#dialog-field') : null };
    element.querySelector('#dialog-title').textContent = title;
    element.querySelector('#dialog-text').textContent = text;
    element.querySelector('#dialog-field-row').hidden = !withField;
    element.querySelector('#dialog-buttons').append(...buttons.map((label, index) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = label;
      button.addEventListener('click', () => choose(box, index));
      return button;
    }));
    // Escape is taken before it becomes the browser's close request, which
    // the page may not refuse twice in a row; other close requests answer as
    // Escape does, and a question closed anyway opens again.
    const escape = (event) => {
      event.preventDefault();
      if (escapeAnswer >= 0) choose(box, escapeAnswer);
    };
    const initials = buttons.map((label) => label[0].toLowerCase());
    element.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') escape(event);
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      // Enter in the field, or on the dialog itself, answers with the first
      // button, as in a desktop box; Y and N answer a question by the first
      // letter of its buttons, where there is no field to type in.
      let chosen = -1;
      if (event.key === 'Enter' && (event.target === element || event.target === box.field)) chosen = 0;
      else if (!withField) chosen = initials.indexOf(event.key.toLowerCase());
      if (chosen < 0) return;
      event.preventDefault();
      choose(box, chosen);
    });
    element.addEventListener('cancel', escape);
    element.addEventListener('close', () => {
      if (box === current && answer < 0 && isRunning()) show(box);
    });
    return box;
  }

  return {
    open(text, title, buttons, escapeAnswer, withField) {
      current?.element.remove();
      answer = -1;
      current = build(text, title, buttons, escapeAnswer, withField);
      document.body.append(current.element);
      show(current);
    },
    answer: () => answer,
    field: () => current?.field?.value ?? '',
    dismiss() {
      if (current?.element.open) current.element.close();
    },
  };
}
