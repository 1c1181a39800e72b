// The phone remote's page. Every text from the jukebox is put in with textContent, never parsed as markup.
'use strict';

// The page's own texts, in one place: index.html names them in data-text, data-label and data-placeholder.
const TEXT = {
  title: 'Lumetra Jukebox',
  nowPlaying: 'Now playing',
  host: 'Host',
  hostControls: 'Host controls',
  enterPin: 'Enter the PIN',
  pin: 'PIN',
  unlock: 'Unlock',
  skip: 'Skip track',
  volume: 'Volume',
  mode: 'Mode',
  normalPlay: 'Normal Play',
  shuffleAll: 'Shuffle All',
  jukebox: 'Jukebox',
  queue: 'Queue',
  search: 'Search albums and tracks',
  searchHint: 'Album or track name',
  find: 'Search',
  letters: 'Albums by first letter',
  results: 'Search results',
  backToAlbums: 'Back to the albums',
  album: 'Album',
  back: 'Back',
  albums: 'Albums',
  earlier: 'Earlier albums',
  later: 'More albums',
  closed: 'Picks are closed: the jukebox is not in Jukebox mode.',
  nothing: 'Nothing is playing.',
  playing: 'Playing: ',
  empty: 'The queue is empty.',
  queued: 'Queued: ',
  searching: 'Searching…',
  noResults: 'No matches found! Try a simpler search perhaps?',
  moreResults: 'Only the first results are shown; try a longer search.',
  loading: 'Loading…',
  noAlbums: 'The jukebox has no albums yet.',
  albumsShown: (first, last, total) => `Albums ${first} to ${last} of ${total}`,
  queueTrack: (name) => `Queue ${name}`,
  openAlbum: (title) => `Open ${title}`,
  letter: (letter) => `Albums starting with ${letter}`,
  slowDown: 'Too many taps at once; please wait a moment.',
  gone: 'This address no longer works. Scan the new code on the jukebox.',
  offline: 'The jukebox cannot be reached; trying again…',
  failed: 'That did not work; please try again.',
};

const token = new URLSearchParams(location.search).get('t') || '';
const PAGE = 60;
const $ = (id) => document.getElementById(id);

const state = {
  start: 0,      // the wall's first place shown
  end: 0,        // one past the last place shown
  total: 0,
  letters: [],
  loading: false,
  wall: 0,       // counts the times the wall was started afresh; a page asked for before is dropped
  picksOpen: false,
  session: '',
};

function url(path, params = {}) {
  const query = new URLSearchParams(params);
  query.set('t', token);
  return `${path}?${query.toString()}`;
}

function coverSize() {
  const tile = $('wall').clientWidth / 3 || 120;
  return tile * (window.devicePixelRatio || 1) > 170 ? 320 : 160;
}

function coverUrl(id, size) {
  return url('cover', { id: String(id), size: String(size) });
}

let noticeTimer = 0;
function notice(text) {
  const box = $('notice');
  box.textContent = plain(text ?? '');
  box.hidden = !text;
  clearTimeout(noticeTimer);
  if (text) noticeTimer = setTimeout(() => { box.hidden = true; }, 6000);
}

// A request to the jukebox; the answer's JSON, or null after telling the user what went wrong.
async function call(path, params, body) {
  let response;
  try {
    response = await fetch(url(path, params), body === undefined ? {} : {
      method: 'POST',
      headers: { 'Content-Type': 'application/json' },
      body: JSON.stringify(body),
    });
  } catch (error) {
    notice(TEXT.offline);
    return null;
  }
  if (response.status === 429) {
    notice(TEXT.slowDown);
    return null;
  }
  const type = response.headers.get('Content-Type') || '';
  const answer = type.startsWith('application/json') ? await response.json() : null;
  if (!response.ok) {
    if (response.status === 403 && !(answer && answer.notice)) notice(TEXT.gone);
    else notice(answer && answer.notice ? answer.notice : TEXT.failed);
    return null;
  }
  return answer;
}

// Text from the jukebox without the controls that override the direction of the text around them (a title
// holding U+202E would turn the rest of its line around).
function plain(text) {
  return String(text).replace(/[\u202a-\u202e\u2066-\u2069]/g, '');
}

function element(tag, text, attributes = {}) {
  const made = document.createElement(tag);
  if (text !== undefined) made.textContent = plain(text);
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
  return made;
}

// The album wall: a window of places [start, end), grown a page at a time at either end.
function tile(album, size) {
  const item = element('li');
  const button = element('button', undefined, { type: 'button', class: 'tile', 'aria-label': TEXT.openAlbum(album.title) });
  const picture = element('img', undefined, { alt: '', loading: 'lazy', width: String(size), height: String(size) });
  picture.src = coverUrl(album.id, size);
  button.append(picture, element('span', album.title, { class: 'title' }));
  button.addEventListener('click', () => openAlbum(album.id));
  item.append(button);
  return item;
}

function showWallStatus() {
  $('earlier').hidden = state.start <= 0;
  $('later').hidden = state.end >= state.total;
  $('wall-status').textContent = state.total === 0 ? TEXT.noAlbums
    : TEXT.albumsShown(state.start + 1, state.end, state.total);
}

async function loadPage(from, count, atEnd) {
  if (state.loading || count <= 0) return;
  const wall = state.wall;
  state.loading = true;
  const page = await call('api/albums', { from: String(from), count: String(count) });
  if (wall !== state.wall) return;
  state.loading = false;
  if (!page) return;
  state.total = page.total;
  showLetters(page.letters);
  const size = coverSize();
  const items = page.albums.map((album) => tile(album, size));
  if (atEnd) {
    $('wall').append(...items);
    state.end = from + page.albums.length;
  } else {
    $('wall').prepend(...items);
    state.start = from;
  }
  showWallStatus();
}

function showWallFrom(place) {
  state.wall += 1;
  state.loading = false;
  $('wall').replaceChildren();
  state.start = place;
  state.end = place;
  loadPage(place, PAGE, true);
  window.scrollTo(0, $('letters').offsetTop);
}

function showLetters(letters) {
  if (JSON.stringify(letters) === JSON.stringify(state.letters)) return;
  state.letters = letters;
  const nav = $('letters');
  nav.replaceChildren();
  letters.forEach((place, j) => {
    const letter = String.fromCharCode(65 + j);
    const button = element('button', letter, { type: 'button', 'aria-label': TEXT.letter(letter) });
    button.disabled = place < 0;
    button.addEventListener('click', () => { closePanels(); showWallFrom(place); });
    nav.append(button);
  });
}

// An album's track list; a tap queues the track.
async function openAlbum(id) {
  const album = await call('api/album', { id: String(id) });
  if (!album) return;
  $('album-title').textContent = plain(album.title);
  $('album-artist').textContent = plain(album.artist);
  $('album-cover').src = coverUrl(album.id, 320);
  $('album-cover').alt = album.title;
  const list = $('tracks');
  list.replaceChildren();
  album.tracks.forEach((name, index) => {
    const item = element('li');
    const button = element('button', name, { type: 'button', class: 'track', 'aria-label': TEXT.queueTrack(name) });
    button.addEventListener('click', () => queue(album, index, name));
    item.append(button);
    list.append(item);
  });
  showPicksOpen();
  $('results-box').hidden = true;
  $('wall-box').hidden = true;
  $('album-box').hidden = false;
  $('album-close').focus();
}

async function queue(album, index, name) {
  const answer = await call('api/queue', undefined, { album: album.id, track: index, name });
  if (answer) notice(answer.queued ? TEXT.queued + name : answer.notice);
}

function closePanels() {
  $('album-box').hidden = true;
  $('results-box').hidden = true;
  $('wall-box').hidden = false;
}

async function search(text) {
  $('album-box').hidden = true;
  $('wall-box').hidden = true;
  $('results-box').hidden = false;
  $('results').replaceChildren();
  $('results-status').textContent = TEXT.searching;
  const found = await call('api/search', { q: text });
  if (!found) {
    $('results-status').textContent = '';
    return;
  }
  for (const result of found.results) {
    const item = element('li');
    const button = element('button', result.line, { type: 'button', class: 'result' });
    button.addEventListener('click', () => openAlbum(result.album));
    item.append(button);
    $('results').append(item);
  }
  $('results-status').textContent = found.results.length === 0 ? TEXT.noResults
    : found.more ? TEXT.moreResults : '';
}

// What plays and what waits, as the jukebox tells it over the WebSocket.
function showState(now) {
  const playing = now.nowPlaying;
  $('now-title').textContent = playing.title ? TEXT.playing + plain(playing.title) : TEXT.nothing;
  $('now-album').textContent = plain([playing.album, playing.artist].filter((part) => part).join(' — '));
  const cover = $('now-cover');
  if (playing.cover) {
    const wanted = coverUrl(playing.cover, 320);
    if (cover.getAttribute('src') !== wanted) cover.src = wanted;
    cover.alt = playing.album;
    cover.hidden = false;
  } else {
    cover.hidden = true;
  }
  state.picksOpen = now.picksOpen;
  showPicksOpen();
  const list = $('queue');
  list.replaceChildren(...now.queue.map((line) => element('li', line)));
  $('up-next').textContent = plain(now.upNext);
  $('up-next').hidden = !now.upNext;
  $('queue-empty').hidden = !(now.picksOpen && now.queue.length === 0);
  $('host-open').hidden = !now.pin;
  if (document.activeElement !== $('volume')) $('volume').value = String(now.volume);
  if (document.activeElement !== $('mode')) $('mode').value = now.mode;
}

function showPicksOpen() {
  $('closed').textContent = TEXT.closed;
  $('closed').hidden = state.picksOpen;
  for (const button of document.querySelectorAll('#tracks button')) {
    button.setAttribute('aria-disabled', String(!state.picksOpen));
  }
}

let retry = 1000;
function listen() {
  const scheme = location.protocol === 'https:' ? 'wss://' : 'ws://';
  const socket = new WebSocket(`${scheme}${location.host}/socket?t=${encodeURIComponent(token)}`);
  socket.addEventListener('open', () => { retry = 1000; });
  socket.addEventListener('message', (event) => {
    try {
      const message = JSON.parse(event.data);
      // A notice of the jukebox's own (a queued track it could not play) or its state.
      if (typeof message.notice === 'string') notice(message.notice);
      else showState(message);
    } catch (error) {
      // A message the page does not understand changes nothing.
    }
  });
  socket.addEventListener('close', (event) => {
    // 1008: a new address was drawn on the jukebox; this one will not work again.
    if (event.code === 1008) {
      notice(TEXT.gone);
      return;
    }
    setTimeout(listen, retry);
    retry = Math.min(retry * 2, 30000);
  });
}

// The host's controls, after the PIN.
async function host(action, value) {
  const body = { session: state.session, action };
  if (value !== undefined) body.value = value;
  const answer = await call('api/host', undefined, body);
  if (!answer) {
    state.session = '';
    $('host-actions').hidden = true;
    $('pin-form').hidden = false;
  }
}

function putTexts() {
  document.title = TEXT.title;
  for (const made of document.querySelectorAll('[data-text]')) made.textContent = TEXT[made.dataset.text];
  for (const made of document.querySelectorAll('[data-label]')) made.setAttribute('aria-label', TEXT[made.dataset.label]);
  for (const made of document.querySelectorAll('[data-placeholder]')) made.placeholder = TEXT[made.dataset.placeholder];
}

function wire() {
  $('search-form').addEventListener('submit', (event) => {
    event.preventDefault();
    search($('search').value);
  });
  $('results-close').addEventListener('click', closePanels);
  $('album-close').addEventListener('click', closePanels);
  $('later').addEventListener('click', () => loadPage(state.end, PAGE, true));
  $('earlier').addEventListener('click', () => {
    const from = Math.max(0, state.start - PAGE);
    loadPage(from, state.start - from, false);
  });
  $('host-open').addEventListener('click', () => {
    const box = $('host');
    box.hidden = !box.hidden;
    $('host-open').setAttribute('aria-expanded', String(!box.hidden));
    if (!box.hidden && !state.session) $('pin').focus();
  });
  $('pin-form').addEventListener('submit', async (event) => {
    event.preventDefault();
    const answer = await call('api/pin', undefined, { pin: $('pin').value });
    $('pin').value = '';
    if (!answer) return;
    state.session = answer.session;
    $('pin-form').hidden = true;
    $('host-actions').hidden = false;
  });
  $('skip').addEventListener('click', () => host('skip'));
  $('volume').addEventListener('change', () => host('volume', Number($('volume').value)));
  $('mode').addEventListener('change', () => host('mode', $('mode').value));
  // More albums as the end of the wall comes into view.
  if ('IntersectionObserver' in window) {
    new IntersectionObserver((entries) => {
      if (entries.some((entry) => entry.isIntersecting) && state.end < state.total && !$('wall-box').hidden) {
        loadPage(state.end, PAGE, true);
      }
    }, { rootMargin: '400px' }).observe($('later'));
  }
}

putTexts();
wire();
listen();
showWallFrom(0);
