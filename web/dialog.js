// The program's messages, questions and number prompts: modal dialogs on the
// page, answered with the keys of a desktop box. Each opens as a fresh copy
// of the page's dialog, because Orca reads a focused object only when it is
// another than the one it read last, and a dialog often follows the same
// dialog (a prompt asked again after a bad entry, one question after
// another).

// After the prompt is shown and drawn twice, how long before its field takes
// the focus: long enough for a screen reader to take in the new dialog.
const FIELD_AFTER_MS = 150;

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
  // first button. A prompt shows first, inert and unfocused, and its field
  // takes the focus once the browser has reported the new dialog: focused in
  // the same report, Orca takes the field for its focus already while
  // handling the dialog, and reads nothing. In the field Orca reads the
  // prompt and switches to focus mode.
  function show(box) {
    if (!box.field) {
      box.element.showModal();
      box.element.focus();
      return;
    }
    box.element.removeAttribute('tabindex');
    box.element.inert = true;
    box.element.showModal();
    let entered = false;
    const enter = () => {
      if (entered) return;
      entered = true;
      document.removeEventListener('keydown', enter, true);
      box.element.inert = false;
      if (box === current && answer < 0) box.field.focus();
    };
    // A key pressed meanwhile enters the field first, so that it lands there.
    document.addEventListener('keydown', enter, true);
    const twoFrames = (then) => requestAnimationFrame(() => requestAnimationFrame(then));
    twoFrames(() => {
      if (!entered) box.element.inert = false;
      twoFrames(() => setTimeout(enter, FIELD_AFTER_MS));
    });
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
