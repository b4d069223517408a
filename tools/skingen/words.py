"""The words of each skin set. The two sets differ in nothing else."""

EN = {
    'font': 'latin',
    'font-bold': 'latin-bold',
    'bold': 0.0,
    'title-bold': 0.0,
    'title': 'GLINT CONTROLS',
    'title-spacing': 3.0,
    'subtitle': 'Keyboard lighting and performance',
    'section': 'LIGHTING EFFECT',
    'test': 'TEST',
    'modes': {
        'auto': 'Auto',
        'on': 'On',
        'rainbow': 'Rainbow',
        'breath': 'Breath',
        'colorloop': 'Color Loop',
    },
    'label-size': 13,
    'popup-title': 'PERFORMANCE LEVEL',
    'levels': ['Quiet', 'Balanced', 'Performance'],
}

CN = {
    'font': 'cjk',
    'font-bold': 'cjk',
    # WenQuanYi has no bold face: a thin outline of the glyphs stands in for it.
    'bold': 0.35,
    'title-bold': 0.6,
    'title': 'GLINT 灯光控制',
    'title-spacing': 2.0,
    'subtitle': '键盘灯光与性能模式',
    'section': '灯光效果',
    'test': '测试',
    'modes': {
        'auto': '自动',
        'on': '常亮',
        'rainbow': '彩虹',
        'breath': '呼吸',
        'colorloop': '色彩循环',
    },
    'label-size': 15,
    'popup-title': '性能等级',
    'levels': ['安静', '均衡', '性能'],
}

SETS = {'skin_EN': EN, 'skin_CN': CN}
